// The characters each report is about, as the page marks and selects them:
// the positions the checker prints, turned into places in the text by the
// module (tab stops, line breaks, backspaces, vertical tabs, a form feed after
// a bar), and the bytes turned into the text area's characters by the script
// (a character outside Latin-1 is one byte, '?').
//   node etendues.js SITE_DIR
"use strict";
const path = require("path");

const site = process.argv[2];
const { charge } = require("./modules.js");

// [words, text, the reports: "line:column" @ offset in the text = "covered text"]
const cas = [
  [["4", "4"], "! ! ! d |", ["1:7 @6=d", "1:7 @6=d"]],
  // A tab at column 1 reaches column 4: the d is at column 10, byte 7.
  [["4", "4"], "\t! ! ! d |", ["1:1 @0=\t", "1:10 @7=d", "1:10 @7=d"]],
  [["4", "4"], "!\t\t% ! ! |", ["1:7 @3=%", "1:8 @4= ", "1:13 @9=|"]],
  [["4", "4"], "! ! ! ! |\n! ! ! d |", ["2:7 @16=d", "2:7 @16=d"]],
  // Outside Latin-1: one character, one byte, even a pair of UTF-16 units.
  [["4", "4"], "! \u2669 ! ! |", ["1:3 @2=\u2669", "1:4 @3= ", "1:9 @8=|"]],
  [["4", "4"], "\u{1D15F} ! ! ! |", ["1:1 @0=\u{1D15F}", "1:2 @2= ", "1:9 @9=|"]],
  // Over a line break: to column 1 of the next line, and to column 2.
  [["4", "4"], "o_\n", ["1:3 @2=\n"]],
  [["4", "4"], "! ! ! ! |\n:_! ! ! ! |", ["1:9 @8=|\n:_"]],
  // A point between characters selects nothing.
  [[], "\n\n%", ["1:1 @0=", "3:1 @2=%"]],
  [["4", "4"], "! [_| ! ! ! ! |", ["1:5 @4=|", "1:14 @13="]],
  // Positions met twice: after a carriage return, a backspace, a form feed
  // after a bar (the numbering starts again at line 1).
  [["4", "4"], "! ! !\r%! |", ["1:1 @6=%"]],
  [["4", "4"], "! ! ! !\b% ! ! ! |", ["1:7 @8=%", "1:8 @9= ", "1:15 @16=|"]],
  [["4", "4"], "! ! ! ! |\f! ! ! d |", ["1:7 @16=d", "1:7 @16=d"]],
  // A vertical tab goes down to the next stop (line 4), in the same column.
  [["4", "4"], "! ! ! ! |\n%\v! % ! |",
   ["2:1 @10=%", "2:2 @11=", "2:2 @11=", "4:4 @14=%", "4:5 @15= ", "4:8 @18=|"]],
];

charge(site).then(({ module, pont }) => {
  let echecs = 0;
  for (const [mots, texte, attendus] of cas) {
    const r = pont.analyseTexte(module, mots, texte);
    const obtenus = r.rapports.map((d) => `${d.ligne}:${d.colonne} @${d.debut}=${texte.slice(d.debut, d.fin)}`);
    if (JSON.stringify(obtenus) !== JSON.stringify(attendus)) {
      echecs++;
      console.log(`FAIL ${JSON.stringify(texte)}\n  expected ${JSON.stringify(attendus)}\n  actual   ${JSON.stringify(obtenus)}`);
    }
  }
  console.log(`${cas.length - echecs} of ${cas.length} texts: every report on its characters`);
  if (echecs) process.exit(1);
});
