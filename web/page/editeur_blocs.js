// The text as the editor holds it: blocks of about two hundred lines, one
// element each, which the browser lays out only when they come near the
// view. A line end between two blocks is the boundary itself; inside a block
// it is a "\n" of its text. Here: cutting a text into blocks, writing and
// reading a block's element, mapping an offset in a block to a place in its
// element and back, the text and the lines across blocks, and the caret
// brought into view.

const lignesParBloc = 200;
const caracteresParBloc = 16384;  // a block of long lines closes sooner

// The texts of the blocks that make up texte (joined by "\n", they give it back).
export function coupe(texte) {
  const blocs = [];
  let debut = 0, lignes = 0, i = texte.indexOf("\n");
  while (i >= 0) {
    lignes++;
    if (lignes >= lignesParBloc || i - debut >= caracteresParBloc) {
      blocs.push(texte.slice(debut, i));
      debut = i + 1;
      lignes = 0;
    }
    i = texte.indexOf("\n", i + 1);
  }
  blocs.push(texte.slice(debut));
  return blocs;
}

// Whether a block has grown enough to be cut again.
export function tropGrand(texte) {
  if (texte.length > 2 * caracteresParBloc) return true;
  let lignes = 0;
  for (let i = texte.indexOf("\n"); i >= 0; i = texte.indexOf("\n", i + 1)) if (++lignes > 2 * lignesParBloc) return true;
  return false;
}

// The size a block takes before the browser lays it out: its lines, each a
// line high (the editor's lines do not wrap), and its widest line, a tab
// reaching the next stop of three columns.
export function taille(texte) {
  let lignes = 1, largeur = 0, colonne = 0;
  for (let i = 0; i < texte.length; i++) {
    const c = texte.charCodeAt(i);
    if (c === 10) { lignes++; colonne = 0; continue; }
    colonne = c === 9 ? colonne + 3 - colonne % 3 : colonne + 1;
    if (colonne > largeur) largeur = colonne;
  }
  return { lignes: lignes, largeur: largeur };
}

export function tailleIntrinseque(t) { return t.largeur + "ch " + t.lignes + "lh"; }

// A block's element holding texte. A block ending in an empty line (or
// empty) carries one more "\n", as the browser lays no line after a last
// line end.
export function ecritBloc(div, texte) {
  div.textContent = texte === "" || texte.endsWith("\n") ? texte + "\n" : texte;
  const t = taille(texte);
  div.style.containIntrinsicSize = tailleIntrinseque(t);
  return t;
}

// A block's element holding one text node, patched in place: n characters
// at k replaced by s, texte the block's text after it; so that the browser
// lays out again no more than it must. Null where the element is otherwise.
export function retoucheBloc(div, ancien, texte, k, n, s) {
  const t = div.firstChild;
  if (t === null || t.nodeType !== Node.TEXT_NODE || t.nextSibling !== null || t.length - ancien.length > 1 || t.length < ancien.length) return null;
  t.replaceData(k, n, s);
  const voulu = texte.length + (texte === "" || texte.endsWith("\n") ? 1 : 0);
  if (t.length > voulu) t.deleteData(voulu, t.length - voulu);
  else if (t.length < voulu) t.appendData("\n");
  const mesure = taille(texte);
  div.style.containIntrinsicSize = tailleIntrinseque(mesure);
  return mesure;
}

export function nouveauBloc(texte) {
  const div = document.createElement("div");
  return { el: div, texte: texte, taille: ecritBloc(div, texte) };
}

// A block's text as its element holds it after the browser edited it: its
// text, a <br> a line end, less the last line end that only makes the last
// line shown.
export function litBloc(div) {
  let s;
  if (div.childNodes.length === 1 && div.firstChild.nodeType === Node.TEXT_NODE) s = div.firstChild.data;
  else {
    s = "";
    morceaux(div, function (n) { s += n.nodeType === Node.TEXT_NODE ? n.data : "\n"; });
  }
  return s.endsWith("\n") ? s.slice(0, -1) : s;
}

// The text nodes and <br> elements under an element, in order.
function morceaux(racine, f) {
  for (let n = racine.firstChild; n !== null; n = n.nextSibling) {
    if (n.nodeType === Node.TEXT_NODE || n.nodeName === "BR") f(n);
    else if (n.nodeType === Node.ELEMENT_NODE) morceaux(n, f);
  }
}

function longueur(n) { return n.nodeType === Node.TEXT_NODE ? n.data.length : 1; }

// The place in a block's element of offset k of its text.
export function versDom(div, k) {
  let dernier = null;
  let trouve = null;
  morceaux(div, function (n) {
    if (trouve !== null) return;
    dernier = n;
    const l = longueur(n);
    if (k <= l && n.nodeType === Node.TEXT_NODE) trouve = { noeud: n, decalage: k };
    else if (k < l) trouve = { noeud: n.parentNode, decalage: Array.prototype.indexOf.call(n.parentNode.childNodes, n) };
    else k -= l;
  });
  if (trouve !== null) return trouve;
  if (dernier !== null && dernier.nodeType === Node.TEXT_NODE) return { noeud: dernier, decalage: dernier.data.length };
  return { noeud: div, decalage: 0 };
}

// The offset in a block's text of a place (node, offset) inside its element.
export function depuisDom(div, noeud, decalage) {
  const n0 = div.firstChild;
  if (noeud === n0 && n0.nodeType === Node.TEXT_NODE && n0.nextSibling === null) return Math.min(decalage, litBloc(div).length);
  const point = document.createRange();
  point.setStart(noeud, decalage);
  let k = 0;
  morceaux(div, function (n) {
    if (n === noeud) k += decalage;
    else if (point.comparePoint(n, 0) < 0) k += longueur(n);
  });
  return Math.min(k, litBloc(div).length);
}

// The text of an editor whatever the browser made of its elements, and the
// offset in it of a place (node, offset), or null if node is null.
export function litTout(racine, noeud, decalage) {
  const parties = [], departs = [];
  let n = 0;
  racine.childNodes.forEach(function (c) {
    departs.push(n);
    const t = c.nodeType === Node.TEXT_NODE ? c.data.replace(/\n$/, "") : c.nodeName === "BR" ? "" : litBloc(c);
    parties.push(t);
    n += t.length + 1;
  });
  const texte = parties.join("\n");
  if (noeud === null) return { texte: texte, curseur: null };
  if (noeud === racine) return { texte: texte, curseur: Math.min(texte.length, departs[decalage] ?? texte.length) };
  let c = noeud;
  while (c.parentNode !== racine) c = c.parentNode;
  const k = departs[Array.prototype.indexOf.call(racine.childNodes, c)];
  const dedans = c.nodeType === Node.TEXT_NODE ? decalage : depuisDom(c, noeud, decalage);
  return { texte: texte, curseur: Math.min(texte.length, k + dedans) };
}

// The text from offset ka of the i-th of blocs ({ texte, taille } each) to
// offset kb of the j-th.
export function texteDesBlocs(blocs, i, ka, j, kb) {
  if (i === j) return blocs[i].texte.slice(ka, kb);
  const parties = [blocs[i].texte.slice(ka)];
  for (let k = i + 1; k < j; k++) parties.push(blocs[k].texte);
  parties.push(blocs[j].texte.slice(0, kb));
  return parties.join("\n");
}

// The line, counted from 0, of offset k in the i-th of blocs.
export function ligneDansLesBlocs(blocs, i, k) {
  let n = 0;
  for (let j = 0; j < i; j++) n += blocs[j].taille.lignes;
  const t = blocs[i].texte;
  for (let p = t.indexOf("\n"); p >= 0 && p < k; p = t.indexOf("\n", p + 1)) n++;
  return n;
}

// An editor scrolled so that the caret stands in view; ligne: the caret's
// line, for a caret on an empty line, which has no box to measure.
export function montreCurseur(el, ligne) {
  const s = document.getSelection();
  if (s.rangeCount === 0) return;
  const r = document.createRange();
  r.setStart(s.focusNode, s.focusOffset);
  const rects = r.getClientRects();
  const rect = rects.length > 0 ? rects[0] : r.getBoundingClientRect();
  const cadre = el.getBoundingClientRect(), marge = 12, style = getComputedStyle(el);
  const vide = rect.height === 0;
  const hauteur = parseFloat(style.lineHeight);
  const haut = vide ? parseFloat(style.paddingTop) + ligne * hauteur - el.scrollTop : rect.top - cadre.top - el.clientTop;
  const bas = vide ? haut + hauteur : rect.bottom - cadre.top - el.clientTop;
  if (haut < 0) el.scrollTop += haut;
  else if (bas > el.clientHeight) el.scrollTop += bas - el.clientHeight;
  const x = vide ? parseFloat(style.paddingLeft) - el.scrollLeft : rect.left - cadre.left - el.clientLeft;
  if (x < marge) el.scrollLeft += x - marge;
  else if (x > el.clientWidth - marge) el.scrollLeft += x - el.clientWidth + marge;
}
