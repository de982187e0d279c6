// Playing the rhythm: the schedule of a score (when each note starts and how
// long it sounds, when the metronome clicks), computed without sound so that
// the tests can read it, then played with Web Audio: a click on each beat,
// accented on the strong beats, a short tone at each note's onset, rests
// silent, tied notes held.
"use strict";

// The schedule of measures [depuis, jusqua] (indices into mesures, from
// mesuresDeLaPartition) at tempo beats of the meter in force per minute,
// after a count-in of one measure. Times in seconds from the start of the
// count-in. Each measure lasts what was written in it.
// Returns { decompte (the count-in's length), clics: [{ t, fort }],
//           notes: [{ t, duree, mesure, element, elements (the tied ones) }],
//           mesures: [{ mesure, t, duree }], fin }.
function programmeDeLecture(mesures, tempo, depuis, jusqua) {
  depuis = Math.max(0, depuis || 0);
  if (jusqua === undefined) jusqua = mesures.length - 1;
  const clics = [], notes = [], places = [];
  // A piece whose meter is never known (no bar yet) is counted in quarters.
  const metreDe = function (m) { return m.metre || { valTps: 16, nbrTps: 4, forts: "FfFf" }; };
  const battue = 60 / tempo;  // s, a beat of the meter in force
  let t = 0;
  // The count-in: one measure of the first meter.
  if (depuis <= jusqua && mesures[depuis]) {
    const metre = metreDe(mesures[depuis]);
    for (let k = 0; k < metre.nbrTps; k++) clics.push({ t: k * battue, fort: metre.forts[k] === "F" });
    t = metre.nbrTps * battue;
  }
  const decompte = t;
  let tenue = null;  // the note a tie holds on
  for (let i = depuis; i <= jusqua && i < mesures.length; i++) {
    const m = mesures[i];
    const metre = metreDe(m);
    const parQuad = battue / metre.valTps;
    const debut = t;
    m.elements.forEach(function (e, k) {
      const duree = e.duree * parQuad;
      if (tenue !== null) {
        tenue.duree += duree;
        tenue.elements.push({ mesure: i, element: k, t: t });
      } else if (!e.silence) {
        notes.push({ t: t, duree: duree, mesure: i, element: k, elements: [{ mesure: i, element: k, t: t }] });
      }
      tenue = e.lie && !e.silence ? (tenue || notes[notes.length - 1]) : null;
      t += duree;
    });
    // A click on each beat the measure lasts, strong as the listing marks it.
    const battues = Math.max(1, Math.ceil((t - debut) / battue - 1e-9));
    for (let k = 0; k < battues; k++)
      clics.push({ t: debut + k * battue, fort: metre.forts[k % metre.forts.length] === "F" });
    places.push({ mesure: i, t: debut, duree: t - debut });
  }
  return { decompte: decompte, clics: clics, notes: notes, mesures: places, fin: t };
}

if (typeof module !== "undefined" && module.exports) module.exports = { programmeDeLecture };

// Plays a schedule on an audio context (an AudioContext, or an
// OfflineAudioContext in the tests) from its time `depart`, as far as it is
// asked: a long piece is scheduled a little ahead of the music, not all at
// once. Sounds: a click on each beat (higher on the strong ones) unless
// metronome is false, a tone a little shorter than each note, so that
// repeated notes are heard apart.
function Planificateur(contexte, programme, depart, metronome) {
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
    if (this.metronome) this.son(c.t, 0.035, c.fort ? 1760 : 1175, c.fort ? 0.5 : 0.3, "square");
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
function joueProgramme(contexte, programme, depart, metronome) {
  return new Planificateur(contexte, programme, depart, metronome).jusqua(Infinity);
}
