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
  if (depuis === undefined) depuis = 0;
  if (jusqua === undefined) jusqua = mesures.length - 1;
  const clics = [], notes = [], places = [];
  const metreDe = function (m) { return m.metre || { valTps: 16, nbrTps: 4, forts: "FfFf" }; };
  const temps = function (m) { return 60 / tempo; };  // a beat of the meter in force
  let t = 0;
  // The count-in: one measure of the first meter.
  if (depuis <= jusqua && mesures[depuis]) {
    const metre = metreDe(mesures[depuis]);
    for (let k = 0; k < metre.nbrTps; k++) clics.push({ t: k * temps(), fort: metre.forts[k] === "F" });
    t = metre.nbrTps * temps();
  }
  const decompte = t;
  let tenue = null;  // the note a tie holds on
  for (let i = depuis; i <= jusqua && i < mesures.length; i++) {
    const m = mesures[i];
    const metre = metreDe(m);
    const parQuad = temps() / metre.valTps;
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
    const battues = Math.max(1, Math.ceil((t - debut) / temps() - 1e-9));
    for (let k = 0; k < battues; k++)
      clics.push({ t: debut + k * temps(), fort: metre.forts[k % metre.forts.length] === "F" });
    places.push({ mesure: i, t: debut, duree: t - debut });
  }
  return { decompte: decompte, clics: clics, notes: notes, mesures: places, fin: t };
}

if (typeof module !== "undefined" && module.exports) module.exports = { programmeDeLecture };

// Schedules a schedule on an audio context (an AudioContext, or an
// OfflineAudioContext in the tests), from its time `a`; returns the nodes
// started, so that they can be stopped.
function joueProgramme(contexte, programme, a, metronome) {
  const noeuds = [];
  const son = function (t, duree, frequence, volume, type) {
    const osc = contexte.createOscillator();
    const gain = contexte.createGain();
    osc.type = type;
    osc.frequency.value = frequence;
    gain.gain.setValueAtTime(0, a + t);
    gain.gain.linearRampToValueAtTime(volume, a + t + 0.004);
    gain.gain.setValueAtTime(volume, a + t + Math.max(0.005, duree - 0.03));
    gain.gain.linearRampToValueAtTime(0, a + t + duree);
    osc.connect(gain).connect(contexte.destination);
    osc.start(a + t);
    osc.stop(a + t + duree + 0.01);
    noeuds.push(osc);
  };
  if (metronome !== false)
    programme.clics.forEach(function (c) { son(c.t, 0.035, c.fort ? 1760 : 1175, c.fort ? 0.5 : 0.3, "square"); });
  // A tone a little shorter than the note, so that repeated notes are heard apart.
  programme.notes.forEach(function (n) { son(n.t, Math.max(0.04, Math.min(n.duree * 0.85, n.duree - 0.02)), 660, 0.35, "triangle"); });
  return noeuds;
}
