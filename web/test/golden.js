// Every golden case through the WebAssembly module, under node: the words of
// args (one per line; absent = none) and the bytes of stdin in, and standard
// output, standard error and the exit status out, equal to the case's files
// byte for byte. (combined, both streams on one pipe, is the console's
// interleaving: an in-process run keeps the streams apart.)
//   node golden.js SITE_DIR GOLDEN_DIR
"use strict";
const fs = require("fs");
const path = require("path");

const [site, dossier] = process.argv.slice(2);
const { charge } = require("./modules.js");

function lit(fichier) {
  return fs.existsSync(fichier) ? fs.readFileSync(fichier) : Buffer.alloc(0);
}

// The words of args as the case runner reads them: one per line, the last
// one counted even without its line end.
function mots(fichier) {
  if (!fs.existsSync(fichier)) return [];
  const lignes = fs.readFileSync(fichier, "latin1").split("\n");
  if (lignes[lignes.length - 1] === "") lignes.pop();
  return lignes.map((l) => Buffer.from(l, "latin1"));
}

// Non-printing bytes made visible, for the differences.
function visible(octets) {
  return Buffer.from(octets).toString("latin1").replace(/[\x00-\x08\x0b-\x1f\x7f-\xff]/g,
    (c) => "\\x" + c.charCodeAt(0).toString(16).padStart(2, "0"));
}

function difference(attendu, obtenu) {
  const a = visible(attendu).split("\n"), b = visible(obtenu).split("\n");
  for (let i = 0; i < Math.max(a.length, b.length); i++)
    if (a[i] !== b[i]) return `  line ${i + 1}:\n    expected: ${JSON.stringify(a[i])}\n    actual:   ${JSON.stringify(b[i])}`;
  return "";
}

// The console's export options at the start of the words: null when there
// are none; else how many words they take, and the export asked for on
// standard output with its tempo (genre null when there is none such).
function exportations(tous) {
  let i = 0, genre = null, autre = false, tempo = 60;
  for (; i + 1 < tous.length; i += 2) {
    const option = tous[i].toString("latin1"), valeur = tous[i + 1].toString("latin1");
    if (option === "--tempo") tempo = Number(valeur);
    else if (option === "--musicxml" || option === "--midi") {
      if (valeur === "-" && genre === null) genre = option.slice(2);
      else autre = true;
    } else break;
  }
  if (i === 0) return tous.length && /^--(musicxml|midi|tempo)$/.test(tous[0].toString("latin1")) ? { pris: 0, genre: null } : null;
  return { pris: i, genre: autre || !(tempo >= 1 && tempo <= 1000) ? null : genre, tempo: tempo };
}

charge(site).then(({ module, pont }) => {
  const cas = fs.readdirSync(dossier).filter((n) => fs.statSync(path.join(dossier, n)).isDirectory()).sort();
  let echecs = 0;
  let console_seule = 0;
  for (const nom of cas) {
    const d = path.join(dossier, nom);
    const tous = mots(path.join(d, "args"));
    const options = exportations(tous);
    let obtenus;
    if (options === null) {
      const r = pont.analyse(module, tous, lit(path.join(d, "stdin")));
      obtenus = { stdout: r.sortie, stderr: r.erreur, status: Buffer.from(r.statut + "\n") };
    } else if (options.genre && !(tous.length === options.pris + 1 && /^(--help|-h|--version)$/.test(tous[options.pris].toString("latin1")))) {
      // One export on standard output, in the listing's place: the page's
      // export of the same text must be those bytes.
      const r = pont.exporte(module, tous.slice(options.pris), lit(path.join(d, "stdin")), options.genre, options.tempo);
      obtenus = { stdout: r.octets, stderr: r.erreur, status: Buffer.from(r.statut + "\n") };
    } else {
      console_seule++;  // a file written, or an option refused: the console's alone
      continue;
    }
    const fautes = [];
    for (const flux of ["stdout", "stderr", "status"]) {
      const attendu = lit(path.join(d, flux));
      if (!attendu.equals(Buffer.from(obtenus[flux]))) fautes.push(`${flux} differs\n${difference(attendu, obtenus[flux])}`);
    }
    if (fautes.length) {
      echecs++;
      console.log(`FAIL ${nom}\n  ${fautes.join("\n  ")}`);
    }
  }
  console.log(`${cas.length - echecs - console_seule} of ${cas.length - console_seule} golden cases equal under WebAssembly` +
              ` (${console_seule} for the console alone: an export to a file, an option refused)`);
  if (cas.length === 0 || echecs) process.exit(1);
});
