// The page's sources stay readable: no file under web/ over 320 lines (about
// 300), and no function of the page's modules over 80 lines. Parsed with
// acorn (Debian's node-acorn, which the web build needs anyway), so that a
// brace in a string or a regular expression counts for nothing.
//   node tailles.js WEB_DIR
"use strict";
const fs = require("fs");
const path = require("path");
const acorn = require("acorn");
const walk = require("acorn-walk");

const web = process.argv[2];
const lignesParFichier = 320, lignesParFonction = 80;
const fautes = [];

function fichiers(dossier) {
  return fs.readdirSync(dossier, { withFileTypes: true }).flatMap(function (e) {
    const chemin = path.join(dossier, e.name);
    if (e.isDirectory()) return e.name === "dependances" || e.name === "node_modules" ? [] : fichiers(chemin);
    return /\.(js|cc|h)$/.test(e.name) ? [chemin] : [];
  });
}

for (const f of fichiers(web)) {
  const texte = fs.readFileSync(f, "utf8");
  const nom = path.relative(web, f);
  const lignes = texte.split("\n").length - (texte.endsWith("\n") ? 1 : 0);
  if (lignes > lignesParFichier) fautes.push(nom + ": " + lignes + " lines");
  if (!f.endsWith(".js") || nom.startsWith("test" + path.sep)) continue;
  const arbre = acorn.parse(texte, { ecmaVersion: "latest", sourceType: "module", locations: true });
  const mesure = function (n) {
    const longueur = n.loc.end.line - n.loc.start.line + 1;
    if (longueur > lignesParFonction) fautes.push(nom + ":" + n.loc.start.line + ": a function of " + longueur + " lines");
  };
  walk.full(arbre, function (n) {
    if (n.type === "FunctionDeclaration" || n.type === "FunctionExpression" || n.type === "ArrowFunctionExpression") mesure(n);
  });
}
fautes.forEach(function (f) { console.log("too long: " + f); });
if (fautes.length > 0) process.exit(1);
console.log("ok - every file under " + lignesParFichier + " lines, every function of the page under " + lignesParFonction);
