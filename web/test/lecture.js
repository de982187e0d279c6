// The score's measures and the playback's schedule, from the module's
// records, under node: what a measure's notes are worth in seconds, ties
// held, the count-in, and what a faulty measure says of itself.
//   node lecture.js SITE_DIR
"use strict";
const path = require("path");

const site = process.argv[2];
const { charge } = require("./modules.js");

let echecs = 0;
function verifie(condition, quoi, detail) {
  if (condition) {
    console.log("ok - " + quoi);
  } else {
    echecs++;
    console.log("FAIL " + quoi + (detail !== undefined ? "\n  got " + JSON.stringify(detail) : ""));
  }
}

const proche = (a, b) => a.length === b.length && a.every((x, i) => Math.abs(x - b[i]) < 1e-9);

charge(site).then(({ module, pont, mesures: partition, lecture }) => {
  const mesures = (mots, texte) => {
    const r = pont.analyseTexte(module, mots, texte);
    const m = partition.mesuresDeLaPartition(r);
    partition.marqueLesRapports(m, r.rapports);
    return m;
  };
  // The whole piece as the page plays it: in the order of the records, at a
  // metronome mark of tempo on the first meter's note (♩, or ♩.).
  const onsets = (mots, texte, tempo) => {
    const r = pont.analyseTexte(module, mots, texte);
    const m = partition.mesuresDeLaPartition(r);
    const indices = new Map(m.map((x, i) => [x.numero, i]));
    const p = lecture.programmeDeLecture(m, tempo || 60, 0, 0, r.ordre.map((n) => indices.get(n)), lecture.uniteDuTempo(m));
    return { p: p, t: p.notes.map((n) => n.t - p.decompte) };
  };

  // Playback.
  let s = onsets(["4", "4"], "! ! ! ! ||");
  verifie(s.p.decompte === 4 && proche(s.t, [0, 1, 2, 3]), "four quarters at 60: onsets 0, 1, 2, 3 s after a count-in of 4 s", s.t);
  verifie(s.p.clics.length === 8 && s.p.clics.map((c) => c.fort).join() === "true,false,true,false,true,false,true,false",
          "a click on each beat, the count-in's and the measure's, strong as the listing marks them", s.p.clics);
  s = onsets(["4", "4"], "[.f ! ! ! ||", 120);
  verifie(proche(s.t.slice(0, 3), [0, 0.375, 0.5]), "a dotted eighth and a sixteenth split a beat 3:1 (at 120)", s.t);
  s = onsets(["4", "4"], "([[[)3 ! ! ! ||");
  verifie(proche(s.t.slice(0, 4), [0, 1 / 3, 2 / 3, 1]), "a triplet splits a beat in three", s.t);
  s = onsets(["4", "4"], "!_! ! ! |\n! ! ! !_|_! ! ! ! ||");
  verifie(proche(s.t, [0, 2, 3, 4, 5, 6, 7, 9, 10, 11]) && Math.abs(s.p.notes[0].duree - 2) < 1e-9 &&
          Math.abs(s.p.notes[6].duree - 2) < 1e-9,
          "a tied note sounds once and is held, across a bar line too", s.t);
  s = onsets(["6", "8"], "!. [[[ ||");
  verifie(proche(s.t, [0, 1, 1 + 1 / 3, 1 + 2 / 3]) && s.p.decompte === 2, "in 6/8 the beat is the dotted quarter", s.t);
  s = onsets(["4", "4"], "! < ! ! ||");
  verifie(proche(s.t, [0, 2, 3]), "rests are silent", s.t);
  // A short measure lasts what was written: the next one follows at once.
  s = onsets(["4", "4"], "! ! ! |\n! ! ! ! ||");
  verifie(proche(s.t, [0, 1, 2, 3, 4, 5, 6]) && s.p.clics.length === 4 + 3 + 4, "a short measure is played short", s.t);

  // Repeats are taken, endings played as written; the quarter keeps its
  // speed across a change to a meter of one ternary beat; each measure's
  // first click is its own.
  s = onsets(["4", "4"], "|: ! ! ! ! | [[ [[ ! ! |1. ! ! !_! :|\n! ! ! ! ||");
  verifie(s.p.mesures.map((x) => x.mesure).join() === "0,1,2,0,1,3" && s.t.length === 4 + 6 + 3 + 4 + 6 + 4,
          "a repeat with a first ending: 1 2 3 1 2 4", s.p.mesures.map((x) => x.mesure));
  s = onsets(["4", "4"], "! ! ! ! |\n3/4 ! ! ! |\n! ! ! ||");
  verifie(proche(s.t, [0, 1, 2, 3, 4, 5, 6, 7, 8, 9]), "the quarter keeps its speed from 4/4 to 3/4", s.t);
  verifie(s.p.clics.filter((c) => c.premier).length === 1 + 3 && !s.p.clics[2].premier && s.p.clics[2].fort,
          "each measure's first beat is marked apart from the other strong beats", s.p.clics);

  // What the score is drawn from.
  let m = mesures(["4", "4"], "! ! ! d |");
  verifie(m.length === 1 && m[0].info.ecart === "une noire de trop", "a measure over its length says by how much", m[0].info);
  verifie(m[0].marques.map((k) => k.rapport + k.sorte + k.elements).join() === "0conseil3,1faute3",
          "the late bar's report, and the advice, are on the d", m[0].marques);
  m = mesures(["4", "4"], "! ! ! |\n[[ [[ [[ [ |");
  verifie(m[0].info.ecart === "il manque une noire" && m[1].info.ecart === "il manque une croche" && m[0].marques[0].barre,
          "short measures say what they lack; the early bar is marked", m.map((x) => x.info.ecart));
  m = mesures([], "|: ! ! ! ! |1. ! ! ! ! :|\nC ! ! ! ! ||");
  verifie(m.map((x) => [x.reprise, x.ordinal, x.barre.sorte, x.signature, x.montreMetre].join()).join(" ") ===
          "true,0,simple,4/4,true false,1,reprise,4/4,false false,0,finale,C,true",
          "repeat signs, endings, a meter change written C, the final double bar",
          m.map((x) => [x.reprise, x.ordinal, x.barre.sorte, x.signature, x.montreMetre].join()));
  m = mesures([], "C ! ! ! ! | ! ! ! ! |\nC\\ d d | d d ||");
  verifie(m.map((x) => x.montreMetre).join() === "true,false,true,false",
          "a time signature only where the text sets or changes the meter, not after C or C barred", m.map((x) => x.signature));
  m = mesures(["4", "4"], "t.. ! ! ! |");
  verifie(m[0].elements[0].debut === 0 && m[0].elements[0].fin === 3, "a value with too many dots is drawn on what was written",
          m[0].elements[0]);

  console.log(echecs ? echecs + " failed" : "all passed");
  if (echecs) process.exit(1);
});
