// The text's marks: a mirror behind the text area holds the same text, each
// report's extent marked in its colour, and follows its scrolling. The text
// past the last mark is not laid out a second time: a block as large as it
// stands in for it, so that a long text with its marks near the start (or
// none) costs the mirror next to nothing.
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
  // The rest of the marked line, then the place of the others.
  const finDeLigne = texte.indexOf("\n", position);
  morceau(finDeLigne < 0 ? texte.length : finDeLigne);
  fragment.appendChild(document.createTextNode("\u200b"));
  fragment.appendChild(placeDuReste(texte, position));
  miroir.appendChild(fragment);
  // Scrolled as the text before the next frame, which lays the mirror out
  // anyway: reading the scroll here would lay it out once more.
  if (!defilementPrevu) {
    defilementPrevu = true;
    requestAnimationFrame(function () { defilementPrevu = false; suitDefilement(); });
  }
}

let defilementPrevu = false;

// A block as tall as the lines of texte after position (a line's height
// each, the text area does not wrap) and as wide as the longest (a tab
// counted at its widest), so that the mirror scrolls as far as the text.
function placeDuReste(texte, position) {
  let lignes = 0, largeur = 0, colonne = 0;
  for (let i = position; i < texte.length; i++) {
    const c = texte.charCodeAt(i);
    if (c === 10) { lignes++; colonne = 0; } else { colonne += c === 9 ? 8 : 1; if (colonne > largeur) largeur = colonne; }
  }
  const bloc = element("span", "reste");
  bloc.style.display = "block";
  bloc.style.height = lignes + "lh";
  bloc.style.width = largeur + "ch";
  return bloc;
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
