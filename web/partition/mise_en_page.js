// The score laid out as a page of music: the measures in lines as wide as
// the page, each measure as wide as its durations need (VexFlow's formatter
// spaces the notes within it), the lines but the last justified; a measure
// wider than the page alone on its line, the line scaled down to fit; room
// under a measure for what it says of itself. Pure arithmetic: nothing is
// drawn here.

// A line's geometry, in px of its drawing before any scaling.
export const ligneType = {
  hauteur: 110,    // a line's band: the measure numbers, endings and marks above the staff, the notes, the bar lines
  porteeY: 22,     // the staff's top (VexFlow's), its middle line 60 px lower
  marge: 10,       // left of the first measure and right of the last: nothing touches the edge
  legende: 14,     // a row of the words under a measure
  caractere: 6.2,  // px, a character of those words, about
};

// The least width a note or rest needs by its value, growing with its
// length (a sixty-fourth, 1 quad, still has room for its flags), dots
// extra; VexFlow's formatter then spreads the notes by their durations.
function largeurDeValeur(e) {
  const valeur = Math.max(1, e.base);
  return 14 + 4 * Math.log2(valeur) + 7 * e.points + (e.base < 16 ? 2 : 0);
}

// The least width of measure m: its notes, and the signs at its ends.
export function largeurDeMesure(m) {
  let largeur = 24;
  for (const e of m.elements) largeur += largeurDeValeur(e);
  if (m.elements.length === 0) largeur += 30;
  if (m.montreMetre) largeur += 26;
  if (m.reprise) largeur += 14;
  if (m.barre.sorte === "reprise") largeur += 14;
  // Room for the measure number before the first note, and for what the
  // measure says of itself in two or three rows.
  const ecart = m.info && m.info.ecart ? Math.min(110, m.info.ecart.length * ligneType.caractere / 2 + 8) : 0;
  return Math.max(largeur, 16 + 7 * String(m.numero).length + 24, ecart);
}

// The rows of words that a caption of this text takes in this width.
export function lignesDeLegende(texte, largeur) {
  if (!texte) return [];
  const parLigne = Math.max(6, Math.floor((largeur - 4) / ligneType.caractere));
  const rangs = [];
  let rang = "";
  for (const mot of texte.split(" ")) {
    if (rang !== "" && rang.length + 1 + mot.length > parLigne) {
      rangs.push(rang);
      rang = mot;
    } else {
      rang = rang === "" ? mot : rang + " " + mot;
    }
  }
  rangs.push(rang);
  return rangs;
}

// The lines of mesures in a page largeurPage px wide:
// { lignes: [{ premier, dernier, y, hauteur (on the page), largeur and
//   hauteurDessin (the drawing's own), echelle }],
//   places: by measure, { ligne, x, largeur } in its line's drawing }.
export function metsEnPage(mesures, largeurPage) {
  const utile = Math.max(120, largeurPage) - 2 * ligneType.marge;
  const minimales = mesures.map(largeurDeMesure);
  const lignes = [], places = new Array(mesures.length);
  let y = 0;
  for (let premier = 0; premier < mesures.length;) {
    let dernier = premier, somme = minimales[premier];
    while (dernier + 1 < mesures.length && somme + minimales[dernier + 1] <= utile) somme += minimales[++dernier];
    const justifiee = dernier + 1 < mesures.length && somme < utile;
    const ligne = ligneDe(mesures, minimales, premier, dernier, justifiee ? utile / somme : 1, places, lignes.length);
    ligne.echelle = Math.min(1, (utile + 2 * ligneType.marge) / ligne.largeur);
    ligne.y = y;
    ligne.hauteur = Math.ceil(ligne.hauteurDessin * ligne.echelle);
    y += ligne.hauteur;
    lignes.push(ligne);
    premier = dernier + 1;
  }
  return { lignes: lignes, places: places, hauteur: y };
}

// The line of measures [premier, dernier], each stretched by etire.
function ligneDe(mesures, minimales, premier, dernier, etire, places, numero) {
  let x = ligneType.marge, rangs = 0;
  for (let i = premier; i <= dernier; i++) {
    const largeur = Math.floor(minimales[i] * etire);
    places[i] = { ligne: numero, x: x, largeur: largeur };
    const m = mesures[i];
    rangs = Math.max(rangs, lignesDeLegende(m.info && m.info.ecart, largeur).length);
    x += largeur;
  }
  return { premier: premier, dernier: dernier, largeur: x + ligneType.marge,
           hauteurDessin: ligneType.hauteur + rangs * ligneType.legende + (rangs ? 4 : 0) };
}
