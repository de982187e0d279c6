// The text's marks: a mirror behind the text area holds the same text, each
// report's extent marked in its colour, and follows its scrolling.
import { $, element, etat, resultatCourant } from "./commun.js";

// The mirror made again, in one pass over the starts and ends sorted.
export function marqueTexte() {
  const miroir = $("miroir");
  miroir.textContent = "";
  if (!resultatCourant()) return;
  const texte = etat.dernier.texte;
  const fragment = document.createDocumentFragment();
  const ouvertes = new Set();
  let position = 0;
  const morceau = function (jusque) {
    if (jusque <= position) return;
    const bout = texte.slice(position, jusque);
    fragment.appendChild(ouvertes.size === 0 ? document.createTextNode(bout) : marque(bout, ouvertes));
    position = jusque;
  };
  for (const [p, sorte, z] of evenements(etat.dernier)) {
    morceau(p);
    if (sorte === 0) ouvertes.delete(z);
    else if (sorte === 2) ouvertes.add(z);
    else fragment.appendChild(element("span", "point " + z.classe + (z.i === etat.actif ? " actif" : "")));
  }
  morceau(texte.length);
  // A last line break needs something after it to take its height.
  fragment.appendChild(document.createTextNode("\u200b"));
  miroir.appendChild(fragment);
  suitDefilement();
}

// Where marks start and end: [position, 0 end / 1 point / 2 start, zone],
// sorted; a zone is { i (its report, -1 for a character sent as '?'), classe }.
function evenements(r) {
  const liste = [];
  r.rapports.forEach(function (d, i) {
    if (d.classe === "renseignement") return;
    const z = { i: i, classe: d.classe === "correction" ? "faute" : d.classe === "fin" ? "en-cours" : d.classe };
    if (d.debut === d.fin) liste.push([d.debut, 1, z]);
    else { liste.push([d.debut, 2, z]); liste.push([d.fin, 0, z]); }
  });
  r.hors.forEach(function (h) {
    const z = { i: -1, classe: "hors" };
    liste.push([h[0], 2, z]);
    liste.push([h[1], 0, z]);
  });
  return liste.sort(function (a, b) { return a[0] - b[0] || a[1] - b[1]; });
}

// A stretch of text under the zones open there.
function marque(bout, ouvertes) {
  // A line break covered shows as a blank at the end of its line.
  const m = element("mark", "", bout.replace(/\n/g, " \n"));
  const classes = new Set();
  let rapports = 0;
  ouvertes.forEach(function (z) {
    classes.add(z.classe);
    if (z.i === etat.actif) classes.add("actif");
    if (z.i >= 0) rapports++;
  });
  if (rapports > 1) classes.add("plusieurs");
  m.className = Array.from(classes).join(" ");
  return m;
}

export function suitDefilement() {
  const t = $("texte"), m = $("miroir");
  m.scrollTop = t.scrollTop;
  m.scrollLeft = t.scrollLeft;
}
