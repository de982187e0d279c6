// Dictation through the module, under node: rhythms drawn at every level and
// meter are the same from the same seed and pass the checker with nothing
// to say; a student who writes one with another spelling gets every beat
// right (and a note on the spelling), one wrong value gets exactly that beat
// wrong, each beat with its start; a dictation's link code gives back the
// dictation it was made of, and a code damaged on its way gives none.
//   node dictee.js SITE_DIR
"use strict";
const path = require("path");

const site = process.argv[2];
const { charge, importe } = require("./modules.js");

function verifie(condition, quoi) {
  if (!condition) { console.log("FAIL " + quoi); process.exit(1); }
  console.log("ok - " + quoi);
}

charge(site).then(async ({ module, pont }) => {
  const metres = pont.dicteeGenere(module, 1, 0, 2, 0).metres;
  verifie(metres.join(" ") === "2/4 3/4 4/4 6/8 3/8 2/2", "the meters offered: " + metres.join(" "));
  let n = 0;
  for (let niveau = 1; niveau <= 7; niveau++)
    for (let metre = 0; metre < metres.length; metre++)
      for (let graine = 0; graine < 20; graine++, n++) {
        const d = pont.dicteeGenere(module, niveau, metre, 4, graine);
        const r = pont.analyse(module, d.mots.map((m) => pont.enLatin1(m).octets), pont.enLatin1(d.texte).octets);
        if (r.statut !== 0 || !r.verdict.reussite || r.rapports.some((x) => x.nature !== "renseignement"))
          verifie(false, `level ${niveau}, ${metres[metre]}, seed ${graine}: ${d.texte}`);
      }
  verifie(true, n + " rhythms drawn, each passed by the checker without a word");
  verifie(pont.dicteeGenere(module, 5, 2, 6, 1234).texte === pont.dicteeGenere(module, 5, 2, 6, 1234).texte,
          "the same seed draws the same rhythm");

  const mots = ["4", "4"];
  let c = pont.dicteeCorrige(module, mots, "!. [ ! ! | [[ ! !_! ||", "!_[ [ ! ! | [[ ! d ||");
  verifie(c.justes === 8 && c.premier_faux === -1, "another spelling of the same rhythm: every beat right");
  verifie(c.temps.map((t) => t[5]).join(" ") === "0 16 32 48 64 80 96 112", "each beat with its start in quads");
  verifie(c.autre_graphie === true, "with a note on the spelling");
  c = pont.dicteeCorrige(module, mots, "!. [ ! ! | [[ ! !_! ||", "!. [ ! ! | ! ! !_! ||");
  verifie(c.temps.map((t) => t[2]).join("") === "11110111" && c.premier_faux === 4,
          "one wrong value: exactly its beat wrong, located in the student's text (bytes " + c.temps[4][3] + " to " + c.temps[4][4] + ")");

  const lien = await importe("page/dictee_lien.js");
  const d = { texte: "!. [ ! ! | [[ ! !_! ||\n% à l'œil", mots: ["6", "8", "2"], tempo: 72, ecoutes: 3, decompte: true,
              metreVisible: false, mesuresVisibles: true, tirage: { niveau: 5, metre: 3, mesures: 6, graine: 987654321 } };
  const code = lien.codeDeDictee(d);
  verifie(JSON.stringify(lien.dicteeDuCode(code)) === JSON.stringify(d) && !/[![|]/.test(code),
          "a dictation's code gives it back, its rhythm not to be read in it: " + code);
  const abimes = [code.slice(0, -1), code.slice(0, 10) + (code[10] === "A" ? "B" : "A") + code.slice(11), "2" + code.slice(1), ""];
  verifie(abimes.every((x) => lien.dicteeDuCode(x) === null), "a code cut, changed or of another version gives none");
});
