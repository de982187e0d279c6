// The characters each report is about, as the page marks and selects them:
// the positions the checker prints, turned into places in the text by the
// module (tab stops, line breaks, backspaces, vertical tabs, a form feed after
// a bar), and the bytes turned into the text area's characters by the script
// (a character outside Latin-1 is one byte, '?').
//   node etendues.js SITE_DIR
"use strict";
const path = require("path");

const site = process.argv[2];
const creeRythme = require(path.resolve(site, "rythme_wasm.js"));
const page = require(path.resolve(site, "page.js"));

// [words, text, the reports: "position" @ offset in the text = "covered text"]
const cas = [
  [["4", "4"], "! ! ! d |", ["l. 1 col. 7 @6=d", "l. 1 col. 7 @6=d"]],
  // A tab at column 1 reaches column 4: the d is at column 10, byte 7.
  [["4", "4"], "\t! ! ! d |", ["l. 1 col. 1 à 3 @0=\t", "l. 1 col. 10 @7=d", "l. 1 col. 10 @7=d"]],
  [["4", "4"], "!\t\t% ! ! |", ["l. 1 col. 7 @3=%", "l. 1 col. 8 @4= ", "l. 1 col. 13 @9=|"]],
  [["4", "4"], "! ! ! ! |\n! ! ! d |", ["l. 2 col. 7 @16=d", "l. 2 col. 7 @16=d"]],
  // Outside Latin-1: one character, one byte, even a pair of UTF-16 units.
  [["4", "4"], "! \u2669 ! ! |", ["l. 1 col. 3 @2=\u2669", "l. 1 col. 4 @3= ", "l. 1 col. 9 @8=|"]],
  [["4", "4"], "\u{1D15F} ! ! ! |", ["l. 1 col. 1 @0=\u{1D15F}", "l. 1 col. 2 @2= ", "l. 1 col. 9 @9=|"]],
  // Over a line break: to column 1 of the next line, and to column 2.
  [["4", "4"], "o_\n", ["l. 1 col. 3 à l. 2 col. 1 @2=\n"]],
  [["4", "4"], "! ! ! ! |\n:_! ! ! ! |", ["l. 1 col. 9 à l. 2 col. 2 @8=|\n:_"]],
  // A point between characters selects nothing.
  [[], "\n\n%", ["l. 1 (col. 1) @0=", "l. 3 col. 1 @2=%"]],
  [["4", "4"], "! [_| ! ! ! ! |", ["l. 1 col. 5 @4=|", "l. 1 (col. 14) @13="]],
  // Positions met twice: after a carriage return, a backspace, a form feed
  // after a bar (the numbering starts again at line 1).
  [["4", "4"], "! ! !\r%! |", ["l. 1 col. 1 @6=%"]],
  [["4", "4"], "! ! ! !\b% ! ! ! |", ["l. 1 col. 7 @8=%", "l. 1 col. 8 @9= ", "l. 1 col. 15 @16=|"]],
  [["4", "4"], "! ! ! ! |\f! ! ! d |", ["l. 1 col. 7 @16=d", "l. 1 col. 7 @16=d"]],
  // A vertical tab goes down to the next stop (line 4), in the same column.
  [["4", "4"], "! ! ! ! |\n%\v! % ! |",
   ["l. 2 col. 1 @10=%", "l. 2 (col. 2) @11=", "l. 2 (col. 2) @11=", "l. 4 col. 4 @14=%", "l. 4 col. 5 @15= ", "l. 4 col. 8 @18=|"]],
];

creeRythme().then((module) => {
  let echecs = 0;
  for (const [mots, texte, attendus] of cas) {
    const code = page.enLatin1(texte);
    const r = page.analyse(module, mots.map((m) => page.enLatin1(m).octets), code.octets);
    const obtenus = r.rapports.map((d) => {
      const a = code.debuts[d.debut], b = code.debuts[d.fin];
      return `${page.ecritPosition(d)} @${a}=${texte.slice(a, b)}`;
    });
    if (JSON.stringify(obtenus) !== JSON.stringify(attendus)) {
      echecs++;
      console.log(`FAIL ${JSON.stringify(texte)}\n  expected ${JSON.stringify(attendus)}\n  actual   ${JSON.stringify(obtenus)}`);
    }
  }
  console.log(`${cas.length - echecs} of ${cas.length} texts: every report on its characters`);
  if (echecs) process.exit(1);
});
