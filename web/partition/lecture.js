// Playing the rhythm: the schedule of a score (when each note starts and how
// long it sounds, when the metronome clicks), computed without sound so that
// the tests can read it, then played with Web Audio: a click on each beat,
// the first of each measure higher, then the strong beats, a short tone at each note's onset, rests
// silent, tied notes held.
// The schedule of the measures to play (indices into mesures, from
// mesuresDeLaPartition): the list ordre, or else measures [depuis, jusqua],
// at tempo note values per minute, as a metronome mark says it: unite is the
// note's value in quads (16, a quarter; 24, a dotted quarter), and it keeps
// its speed whatever the meter in force. A count-in of one measure of the
// first meter comes first. Times in seconds from the start of the count-in;
// each measure lasts what was written in it.
// Returns { decompte (the count-in's length), clics: [{ t, fort, premier }],
//           notes: [{ t, duree, mesure, element, elements (the tied ones) }],
//           mesures: [{ mesure, t, duree }], fin }.
export function programmeDeLecture(mesures, tempo, depuis, jusqua, ordre, unite) {
  if (!ordre) {
    depuis = Math.max(0, depuis || 0);
    if (jusqua === undefined) jusqua = mesures.length - 1;
    ordre = [];
    for (let i = depuis; i <= jusqua && i < mesures.length; i++) ordre.push(i);
  }
  const clics = [], notes = [], places = [];
  // A piece whose meter is never known (no bar yet) is counted in quarters.
  const metreDe = function (m) { return m.metre || { valTps: 16, nbrTps: 4, forts: "FfFf" }; };
  const parQuad = 60 / tempo / (unite || 16);  // s, a sixty-fourth note
  let t = 0;
  // The count-in: one measure of the first meter.
  if (ordre.length > 0) {
    const metre = metreDe(mesures[ordre[0]]);
    for (let k = 0; k < metre.nbrTps; k++)
      clics.push({ t: k * metre.valTps * parQuad, fort: metre.forts[k] === "F", premier: k === 0 });
    t = metre.nbrTps * metre.valTps * parQuad;
  }
  const decompte = t;
  let tenue = null;  // the note a tie holds on
  for (const i of ordre) {
    const m = mesures[i];
    const metre = metreDe(m);
    const battue = metre.valTps * parQuad;
    const debut = t;
    m.elements.forEach(function (e, k) {
      const duree = e.duree * parQuad;
      if (tenue !== null && !e.silence) {
        tenue.duree += duree;
        tenue.elements.push({ mesure: i, element: k, t: t });
      } else if (!e.silence) {
        notes.push({ t: t, duree: duree, mesure: i, element: k, elements: [{ mesure: i, element: k, t: t }] });
      }
      tenue = e.lie && !e.silence ? (tenue || notes[notes.length - 1]) : null;
      t += duree;
    });
    // A click on each beat the measure lasts, strong as the listing marks
    // it, the first its own.
    const battues = Math.max(1, Math.ceil((t - debut) / battue - 1e-9));
    for (let k = 0; k < battues; k++)
      clics.push({ t: debut + k * battue, fort: metre.forts[k % metre.forts.length] === "F", premier: k === 0 });
    places.push({ mesure: i, t: debut, duree: t - debut });
  }
  return { decompte: decompte, clics: clics, notes: notes, mesures: places, fin: t };
}

// The metronome mark's note: a dotted quarter where the first meter's beat
// is one (6/8, 9/8, 3/8...), else a quarter. In quads.
export function uniteDuTempo(mesures) {
  const m = mesures.find(function (x) { return x.metre; });
  return m && m.metre.valTps === 24 ? 24 : 16;
}

// Plays a schedule on an audio context (an AudioContext, or an
// OfflineAudioContext in the tests) from its time `depart`, as far as it is
// asked: a long piece is scheduled a little ahead of the music, not all at
// once. Sounds: a click on each beat (highest on a measure's first, higher
// on the strong ones) unless
// metronome is false, a tone a little shorter than each note, so that
// repeated notes are heard apart.
export function Planificateur(contexte, programme, depart, metronome) {
  this.contexte = contexte;
  this.programme = programme;
  this.depart = depart;
  this.metronome = metronome !== false;
  this.clic = 0;   // the next click to schedule
  this.note = 0;   // the next note
  this.sons = new Set();
}

// Schedules what starts before time t of the schedule.
Planificateur.prototype.jusqua = function (t) {
  const p = this.programme;
  for (; this.clic < p.clics.length && p.clics[this.clic].t < t; this.clic++) {
    const c = p.clics[this.clic];
    if (this.metronome) this.son(c.t, 0.035, c.premier ? 2093 : c.fort ? 1568 : 1175, c.premier ? 0.6 : c.fort ? 0.4 : 0.28, "square");
  }
  for (; this.note < p.notes.length && p.notes[this.note].t < t; this.note++) {
    const n = p.notes[this.note];
    this.son(n.t, Math.max(0.04, Math.min(n.duree * 0.85, n.duree - 0.02)), 660, 0.35, "triangle");
  }
  return this;
};

Planificateur.prototype.son = function (t, duree, frequence, volume, type) {
  const c = this.contexte, a = this.depart + t;
  const osc = c.createOscillator();
  const gain = c.createGain();
  osc.type = type;
  osc.frequency.value = frequence;
  gain.gain.setValueAtTime(0, a);
  gain.gain.linearRampToValueAtTime(volume, a + 0.004);
  gain.gain.setValueAtTime(volume, a + Math.max(0.005, duree - 0.03));
  gain.gain.linearRampToValueAtTime(0, a + duree);
  osc.connect(gain).connect(c.destination);
  osc.start(a);
  osc.stop(a + duree + 0.01);
  const sons = this.sons;
  sons.add(osc);
  osc.onended = function () { sons.delete(osc); };
};

// Silences what was scheduled.
Planificateur.prototype.arrete = function () {
  this.sons.forEach(function (osc) { try { osc.stop(); } catch (e) { /* not started yet */ } });
  this.sons.clear();
  this.clic = this.programme.clics.length;
  this.note = this.programme.notes.length;
};

// The whole schedule at once (the tests render it offline).
export function joueProgramme(contexte, programme, depart, metronome) {
  return new Planificateur(contexte, programme, depart, metronome).jusqua(Infinity);
}
