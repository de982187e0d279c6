// The score panel's playback (panneau.js): the audio context started by
// the click that plays, sounds scheduled a little ahead of the music, a
// loop's next round ahead of its seam, and the note sounding highlighted
// in the score and the text.
import { Planificateur } from "./lecture.js";

// Plays what the panel's range (its etendue()) covers.
export function joue(panneau) {
  arrete(panneau);
  if (panneau.mesures.length === 0) return;
  const contexte = demarreLeSon(panneau.o.son, function () { return panneau.lecture !== null && panneau.lecture.contexte === contexte; });
  const { etendue, programme } = panneau.programme();
  const metronome = panneau.o.metronome ? panneau.o.metronome.checked : true;
  const depart = contexte.currentTime + 0.1;
  const lecture = {
    contexte: contexte, etendue: etendue, metronome: metronome, tour: 0,
    programme: programme, mesures: panneau.mesures, depart: depart,
    planificateur: new Planificateur(contexte, programme, depart, metronome),
    note: -1,        // the last note started
    joue: null,      // the element highlighted
    suivant: null,   // a loop's next round, scheduled ahead to start on the last one's end
  };
  panneau.lecture = lecture;
  panneau.o.joue.disabled = true;
  panneau.o.arrete.disabled = false;
  // Sounds are scheduled 1.5 s ahead, every 200 ms (timers go on in a tab
  // in the background, where frames stop).
  planifie(panneau, lecture);
  lecture.minuterie = setInterval(function () { planifie(panneau, lecture); }, 200);
  const image = function () {
    if (panneau.lecture !== lecture) return;
    suit(panneau, lecture);
    lecture.image = requestAnimationFrame(image);
  };
  lecture.image = requestAnimationFrame(image);
}

// A context made before any click starts suspended in some browsers: the
// click that plays resumes it, and the page says so if sound cannot start.
// enCours(): whether it is still playing.
function demarreLeSon(avis, enCours) {
  const Contexte = window.AudioContext || window.webkitAudioContext;
  const contexte = new Contexte();
  if (avis) avis.hidden = true;
  const muet = function (raison) {
    if (avis) { avis.textContent = "Le son ne peut pas démarrer dans ce navigateur" + (raison ? " : " + raison : "") + "."; avis.hidden = false; }
  };
  if (contexte.resume) contexte.resume().catch(function (e) { muet(String(e && e.message || e)); });
  setTimeout(function () { if (contexte.state === "suspended" && enCours()) muet(""); }, 800);
  return contexte;
}

// Schedules what is due: the round playing, and a loop's next one.
function planifie(panneau, lecture) {
  if (panneau.lecture !== lecture) return;
  const maintenant = lecture.contexte.currentTime;
  const s = lecture.suivant;
  if (s !== null && maintenant >= s.depart) {
    lecture.planificateur.arrete();
    Object.assign(lecture, { programme: s.programme, mesures: s.mesures, depart: s.depart, planificateur: s.planificateur,
                             note: -1, joue: null, suivant: null });
  }
  const t = maintenant - lecture.depart;
  if (t >= lecture.programme.fin && !lecture.etendue.boucle) { arrete(panneau); return; }
  lecture.planificateur.jusqua(t + 1.5);
  // A loop goes on without its count-in, with the text as it now stands,
  // its round scheduled ahead so that it starts exactly on the last one's end.
  if (lecture.etendue.boucle && lecture.suivant === null && t + 1.5 >= lecture.programme.fin) {
    lecture.tour += 1;
    const p = sansDecompte(panneau.programme(lecture.etendue).programme);
    const depart = lecture.depart + lecture.programme.fin;
    lecture.suivant = { programme: p, mesures: panneau.mesures, depart: depart,
                        planificateur: new Planificateur(lecture.contexte, p, depart, lecture.metronome) };
  }
  if (lecture.suivant !== null) lecture.suivant.planificateur.jusqua(maintenant - lecture.suivant.depart + 1.5);
}

// Each frame: the note sounding is highlighted, in the score and the text.
function suit(panneau, lecture) {
  const p = lecture.programme;
  const t = lecture.contexte.currentTime - lecture.depart;
  while (lecture.note + 1 < p.notes.length && p.notes[lecture.note + 1].t <= t) lecture.note++;
  const n = lecture.note >= 0 ? p.notes[lecture.note] : null;
  let joue = null;
  if (n !== null && t < n.t + n.duree) for (const e of n.elements) if (e.t <= t) joue = e;
  // The text edited meanwhile: what plays is no longer what is drawn.
  if (lecture.mesures !== panneau.mesures) joue = null;
  if (joue === lecture.joue) return;
  lecture.joue = joue;
  if (joue === null) {
    panneau.partition.surligne([], [], "joue");
    return;
  }
  const el = panneau.mesures[joue.mesure].elements[joue.element];
  panneau.partition.montre(joue.mesure);
  panneau.partition.surligne([{ mesure: joue.mesure, element: joue.element }], [], "joue");
  // In the text too, unless the caret is someone's who is typing.
  if (document.activeElement !== panneau.o.texte) panneau.poseSelection(el.debut, el.fin);
}

// The same measures without the count-in.
function sansDecompte(p) {
  const d = p.decompte;
  return {
    decompte: 0,
    clics: p.clics.filter(function (c) { return c.t >= d; }).map(function (c) { return { t: c.t - d, fort: c.fort, premier: c.premier }; }),
    notes: p.notes.map(function (n) {
      return { t: n.t - d, duree: n.duree, mesure: n.mesure, element: n.element,
               elements: n.elements.map(function (e) { return { mesure: e.mesure, element: e.element, t: e.t - d }; }) };
    }),
    mesures: p.mesures.map(function (m) { return { mesure: m.mesure, t: m.t - d, duree: m.duree }; }),
    fin: p.fin - d,
  };
}

export function arrete(panneau) {
  const l = panneau.lecture;
  panneau.lecture = null;
  panneau.o.joue.disabled = false;
  panneau.o.arrete.disabled = true;
  if (l === null) return;
  clearInterval(l.minuterie);
  cancelAnimationFrame(l.image);
  l.planificateur.arrete();
  if (l.suivant) l.suivant.planificateur.arrete();
  l.contexte.close();
  panneau.partition.surligne([], [], "joue");
}
