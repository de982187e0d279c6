// A dictation heard: the rhythm's schedule at the dictation's tempo, with or
// without its count-in, the count-in heard even when the metronome is off;
// a stretch of it (one beat, for the first wrong one); played with Web Audio.
import { Planificateur, programmeDeLecture, uniteDuTempo } from "../partition/lecture.js";
import { mesuresDeLaPartition } from "../partition/mesures.js";

// The measures of an analysis in the order they are played, as indices.
function ordreDeLecture(r, mesures) {
  const indices = new Map();
  mesures.forEach(function (m, i) { if (!indices.has(m.numero)) indices.set(m.numero, i); });
  const ordre = (r.ordre || []).map(function (n) { return indices.get(n); }).filter(function (i) { return i !== undefined; });
  return ordre.length ? ordre : mesures.map(function (m, i) { return i; });
}

// The schedule of an analysed text: { programme, mesures, unite, parQuad (s a
// quad) }; decompte: with the count-in; unite: the metronome mark's note in
// quads (by default the text's own). Times from the first sound.
export function programmeDuTexte(r, tempo, decompte, unite) {
  const mesures = mesuresDeLaPartition(r);
  unite = unite || uniteDuTempo(mesures);
  const programme = programmeDeLecture(mesures, tempo, 0, 0, ordreDeLecture(r, mesures), unite);
  return { programme: decompte ? programme : decale(programme, programme.decompte, Infinity, 0),
           mesures: mesures, unite: unite, parQuad: 60 / tempo / unite };
}

// The part of a schedule between its times a and b, moved to start at
// debut: a note sounding at a starts there, a note sounding on at b is cut.
function decale(p, a, b, debut) {
  const d = debut - a;
  const notes = [];
  for (const n of p.notes) {
    const t0 = Math.max(n.t, a), t1 = Math.min(n.t + n.duree, b);
    if (t1 > t0 + 1e-9) notes.push({ t: t0 + d, duree: t1 - t0, mesure: n.mesure, element: n.element, elements: [] });
  }
  return {
    decompte: debut,
    clics: p.clics.filter(function (c) { return c.t >= a - 1e-9 && c.t < b - 1e-9; })
      .map(function (c) { return { t: c.t + d, fort: c.fort, premier: c.premier }; }),
    notes: notes,
    mesures: [],
    fin: Math.min(b, p.fin) + d,
  };
}

// One beat of a schedule without its count-in, [a, b) in seconds, after
// two clicks a beat apart that give the pulse.
export function extrait(programme, a, b) {
  const battue = b - a;
  const p = decale(programme, programme.decompte + a, programme.decompte + b, 2 * battue);
  p.clics = [{ t: 0, fort: true, premier: true }, { t: battue, fort: false, premier: false }];
  return p;
}

// Schedules played one after the other on one audio context, with a pause
// between them; metronome: clicks on the beats. The count-in of each is
// heard whatever metronome says. fini() once all is heard or stopped;
// muet() if the browser keeps the sound from starting (then stopped).
// Returns { arrete() }.
export function joue(programmes, metronome, fini, muet) {
  const Contexte = window.AudioContext || window.webkitAudioContext;
  const contexte = new Contexte();
  if (contexte.resume) contexte.resume().catch(function () { /* seen below as a context still suspended */ });
  const planificateurs = [];
  let depart = contexte.currentTime + 0.1;
  for (const p of programmes) {
    const decompte = { clics: p.clics.filter(function (c) { return c.t < p.decompte - 1e-9; }), notes: [] };
    const suite = { clics: p.clics.filter(function (c) { return c.t >= p.decompte - 1e-9; }), notes: p.notes };
    planificateurs.push(new Planificateur(contexte, decompte, depart, true).jusqua(Infinity));
    planificateurs.push(new Planificateur(contexte, suite, depart, metronome).jusqua(Infinity));
    depart += p.fin + 0.8;
  }
  let fin = null;
  const lecture = {
    arrete: function () {
      if (fin === null) return;
      clearTimeout(fin);
      fin = null;
      planificateurs.forEach(function (q) { q.arrete(); });
      contexte.close();
      fini();
    },
  };
  fin = setTimeout(lecture.arrete, (depart - contexte.currentTime) * 1000);
  setTimeout(function () {
    if (fin !== null && contexte.state === "suspended") {
      lecture.arrete();
      muet();
    }
  }, 800);
  return lecture;
}
