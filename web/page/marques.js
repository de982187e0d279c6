// The text's marks: a mirror behind the text holds the same text, each
// report's extent marked in its colour, and follows its scrolling. It is cut
// into the editor's blocks, each laid out, like the editor's, only near the
// view, so that both take the same room everywhere; past the last mark, one
// block as large as the rest of the text stands in for it.
import { $, element, etat, resultatCourant } from "./commun.js";
import { blocsDuTexte } from "./editeur.js";
import { tailleIntrinseque } from "./editeur_blocs.js";

// The mirror made again, in one pass over the starts and ends sorted.
export function marqueTexte() {
  const miroir = $("miroir");
  miroir.textContent = "";
  if (!resultatCourant()) return;
  const texte = etat.dernier.texte;
  const fragment = document.createDocumentFragment();
  const ouvertes = new Set();
  const blocs = blocsDuTexte();
  const liste = evenements(etat.dernier);
  let position = 0, k = 0, i = 0, bloc = null;
  const morceau = function (jusque) {
    if (jusque <= position) return;
    const bout = texte.slice(position, jusque);
    bloc.appendChild(ouvertes.size === 0 ? document.createTextNode(bout) : marque(bout, ouvertes));
    position = jusque;
  };
  for (; i < blocs.length && k < liste.length; i++) {
    bloc = fragment.appendChild(element("div"));
    bloc.style.containIntrinsicSize = tailleIntrinseque(blocs[i].taille);
    const fin = position + blocs[i].texte.length;
    for (; k < liste.length && liste[k][0] <= fin; k++) {
      const [p, sorte, z] = liste[k];
      morceau(p);
      if (sorte === 0) ouvertes.delete(z);
      else if (sorte === 2) ouvertes.add(z);
      else bloc.appendChild(element("span", "point " + z.classe + (z.i === etat.actif ? " actif" : "")));
    }
    morceau(fin);
    // A line end between two blocks, marked: a blank at the end of its line.
    // An empty last line is shown as the editor shows it: one more line end.
    if (ouvertes.size > 0) bloc.appendChild(marque(" ", ouvertes));
    else if (blocs[i].texte === "" || blocs[i].texte.endsWith("\n")) bloc.appendChild(document.createTextNode("\n"));
    position = fin + 1;
  }
  fragment.appendChild(placeDuReste(blocs.slice(i)));
  miroir.appendChild(fragment);
  // Scrolled as the text before the next frame, which lays the mirror out
  // anyway: reading the scroll here would lay it out once more.
  if (!defilementPrevu) {
    defilementPrevu = true;
    requestAnimationFrame(function () { defilementPrevu = false; suitDefilement(); });
  }
}

let defilementPrevu = false;

// A block as tall as the lines of the blocks left and as wide as the
// widest, and more by the room the text's scroll bars take from its view, so
// that the mirror scrolls as far as the text.
function placeDuReste(reste) {
  let lignes = 0, largeur = 0;
  reste.forEach(function (b) { lignes += b.taille.lignes; largeur = Math.max(largeur, b.taille.largeur); });
  const bloc = element("div", "reste");
  bloc.style.height = "calc(" + lignes + "lh + 40px)";
  bloc.style.width = "calc(" + largeur + "ch + 40px)";
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
