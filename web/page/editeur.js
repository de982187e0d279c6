// The text being edited: an element the browser edits as plain text, its
// lines in blocks that are laid out only near the view (editeur_blocs.js), so
// that a key is answered at once however long the text. The rest of the page
// uses it as it would a text area: value, selectionStart, selectionEnd,
// setSelectionRange, select, setRangeText, and the input, select, scroll,
// keyup, click and blur events. A key typed inside a block is the browser's,
// read back after it; what would break the blocks (a line end, a paste, a
// deletion across blocks) is the editor's own, and so is the undo history.
import { interfaceDeZone } from "./editeur_zone.js";
import { aAnnuler, aRetablir, ecart, memorise, oublie } from "./editeur_historique.js";
import { coupe, depuisDom, litTout, ecritBloc, ligneDansLesBlocs, montreCurseur, retoucheBloc, litBloc, nouveauBloc, taille, tailleIntrinseque, texteDesBlocs, tropGrand, versDom } from "./editeur_blocs.js";

const el = document.getElementById("texte");
let blocs = [];         // { el, texte, taille, i } in order; the text is their texts joined by "\n"
const debuts = [0];     // each block's first offset in the text, right up to block `justes`
let justes = 0;
let valeur = "";        // the text, or null until read again after a change
let gardee = [0, 0];    // the selection, kept while the editor has no focus
let parSouris = false;  // the focus comes from a click, which places the caret itself
let attendue = null;    // the key the browser is typing in a block: { a, b, data }, where it must land
const observateur = new MutationObserver(function () { reconcilie(); });

function debut(i) {
  for (; justes < i; justes++) debuts[justes + 1] = debuts[justes] + blocs[justes].texte.length + 1;
  return debuts[i];
}

function change(i) { justes = Math.min(justes, i); valeur = null; }

function longueur() { return debut(blocs.length - 1) + blocs[blocs.length - 1].texte.length; }

// The block holding offset c (the end of a block's last line is its own).
function blocDe(c) {
  debut(blocs.length - 1);
  let bas = 0, haut = blocs.length - 1;
  while (bas < haut) {
    const m = (bas + haut + 1) >> 1;
    if (debuts[m] <= c) bas = m; else haut = m - 1;
  }
  return bas;
}

function texteEntre(a, b) {
  const i = blocDe(a), j = blocDe(b);
  return texteDesBlocs(blocs, i, a - debut(i), j, b - debut(j));
}

function lit() {
  reconcilie();
  if (valeur === null) valeur = blocs.map(function (b) { return b.texte; }).join("\n");
  return valeur;
}

function reindexe(depuis) { for (let k = depuis; k < blocs.length; k++) { blocs[k].i = k; blocs[k].el.bloc = blocs[k]; } }

// The text set anew, as a text area's value is.
function pose(t) {
  blocs = coupe(t).map(nouveauBloc);
  const fragment = document.createDocumentFragment();
  blocs.forEach(function (b) { fragment.appendChild(b.el); });
  el.replaceChildren(fragment);
  reindexe(0);
  change(0);
  valeur = t;
  observateur.takeRecords();
}

// ----- offsets in the text and places in the elements

function blocDuNoeud(n) {
  while (n !== null && n.parentNode !== el) n = n.parentNode;
  return n !== null && n.bloc !== undefined && n.bloc.el === n ? n.bloc : null;
}

function versTexte(noeud, decalage) {
  if (noeud === el) return decalage >= blocs.length ? longueur() : debut(decalage);
  const b = blocDuNoeud(noeud);
  return b === null ? null : debut(b.i) + depuisDom(b.el, noeud, decalage);
}

function versPlace(c) {
  const i = blocDe(c);
  return versDom(blocs[i].el, c - debut(i));
}

function selectionDom() {
  const s = document.getSelection();
  if (s === null || s.rangeCount === 0 || !el.contains(s.anchorNode) || !el.contains(s.focusNode)) return null;
  const a = versTexte(s.anchorNode, s.anchorOffset), f = versTexte(s.focusNode, s.focusOffset);
  return a === null || f === null ? null : [Math.min(a, f), Math.max(a, f)];
}

function selection() {
  reconcilie();
  if (document.activeElement === el) {
    const s = selectionDom();
    if (s !== null) gardee = s;
  }
  return gardee;
}

// The selection [a, b] set, in the page's selection too when the editor has the focus.
function selectionne(a, b, montre) {
  const n = longueur();
  a = Math.max(0, Math.min(a, n));
  b = Math.max(a, Math.min(b, n));
  gardee = [a, b];
  if (document.activeElement !== el) return;
  const p = versPlace(a), q = versPlace(b);
  document.getSelection().setBaseAndExtent(p.noeud, p.decalage, q.noeud, q.decalage);
  if (montre) montreCurseur(el, ligneDansLesBlocs(blocs, blocDe(b), b - debut(blocDe(b))));
}

// ----- edits

// The text [a, b) replaced by s: the blocks it touches written again, cut
// anew where they grew too long; the caret after s.
function remplace(a, b, s, sorte, options) {
  const o = options || {};
  reconcilie();
  const i = blocDe(a), j = blocDe(b), di = debut(i), dj = debut(j);
  const avant = texteEntre(a, b);
  const texte = blocs[i].texte.slice(0, a - di) + s + blocs[j].texte.slice(b - dj);
  const parties = tropGrand(texte) ? coupe(texte) : [texte];
  const premier = blocs[i];
  premier.taille = (i === j && parties.length === 1 && retoucheBloc(premier.el, premier.texte, texte, a - di, b - a, s)) ||
    ecritBloc(premier.el, parties[0]);
  premier.texte = parties[0];
  const nouveaux = parties.slice(1).map(nouveauBloc);
  for (let k = i + 1; k <= j; k++) blocs[k].el.remove();
  if (nouveaux.length > 0) {
    const fragment = document.createDocumentFragment();
    nouveaux.forEach(function (n) { fragment.appendChild(n.el); });
    premier.el.after(fragment);
  }
  blocs = blocs.slice(0, i + 1).concat(nouveaux, blocs.slice(j + 1));
  reindexe(i);
  change(i);
  observateur.takeRecords();
  if (o.annule !== true) memorise({ a: a, avant: avant, apres: s, sorte: sorte });
  const fin = a + s.length;
  selectionne(o.selection ? o.selection[0] : fin, o.selection ? o.selection[1] : fin, true);
  if (o.muet !== true) el.dispatchEvent(new InputEvent("input", { bubbles: true, inputType: sorte, data: s }));
}

function annule() {
  const e = aAnnuler();
  if (e === undefined) return;
  remplace(e.a, e.a + e.apres.length, e.avant, "historyUndo", { annule: true, selection: [e.a, e.a + e.avant.length] });
}

function retablit() {
  const e = aRetablir();
  if (e === undefined) return;
  remplace(e.a, e.a + e.avant.length, e.apres, "historyRedo", { annule: true });
}

// What the browser changed by itself (a key typed in a block, a text
// composed, an editing command), read back: one block read again, or, for
// anything else, the whole text, its blocks made anew.
function reconcilie(e) {
  const notes = observateur.takeRecords();
  if (notes.length === 0) return;
  const touches = new Set();
  for (const n of notes) touches.add(n.target === el ? null : blocDuNoeud(n.target));
  const b = touches.size === 1 ? touches.values().next().value : null;
  if (b === null || b === undefined || !el.contains(b.el)) {
    // An editing command across blocks, which the browser gets wrong
    // where they are not laid out: undone, and made here over the
    // selection it was given.
    if (e !== undefined && /^(insert|delete)/.test(e.inputType) && !/Composition|Drop|Drag/.test(e.inputType)) {
      pose(blocs.map(function (x) { return x.texte; }).join("\n"));
      edite(e, gardee, true);
    } else relitTout();
    return;
  }
  const ancien = b.texte, nouveau = litBloc(b.el);
  const cle = attendue, d = debut(b.i);
  attendue = null;
  if (nouveau === ancien) return;
  // Now and then Chromium types a key at the block's start rather than at the
  // caret (seen typing quickly after the whole text was deleted): the key is
  // written again at the caret, and the browser's input event tells the page.
  if (cle !== null && blocDe(cle.a) === b.i &&
      nouveau !== ancien.slice(0, cle.a - d) + cle.data + ancien.slice(cle.b - d)) {
    b.taille = ecritBloc(b.el, ancien);
    observateur.takeRecords();
    return remplace(cle.a, cle.b, cle.data, "insertText", { muet: true });
  }
  const [p, f] = ecart(ancien, nouveau);
  b.texte = nouveau;
  b.taille = taille(nouveau);
  b.el.style.containIntrinsicSize = tailleIntrinseque(b.taille);
  change(b.i);
  memorise({ a: debut(b.i) + p, avant: ancien.slice(p, ancien.length - f), apres: nouveau.slice(p, nouveau.length - f), sorte: "insertText" });
  // Grown too long (a text composed of many lines): cut again at once.
  if (tropGrand(nouveau) && coupe(nouveau).length > 1) {
    const d = debut(b.i);
    remplace(d, d + nouveau.length, nouveau, "insertText", { annule: true, muet: true, selection: selection().slice() });
  }
}

function relitTout() {
  const ancien = blocs.map(function (b) { return b.texte; }).join("\n");
  const s = document.getSelection();
  const dedans = document.activeElement === el && s.rangeCount > 0 && el.contains(s.focusNode);
  const lu = litTout(el, dedans ? s.focusNode : null, dedans ? s.focusOffset : 0);
  pose(lu.texte);
  const [p, f] = ecart(ancien, lu.texte);
  memorise({ a: p, avant: ancien.slice(p, ancien.length - f), apres: lu.texte.slice(p, lu.texte.length - f), sorte: "insertReplacementText" });
  if (lu.curseur !== null) selectionne(lu.curseur, lu.curseur, false);
}

// ----- the browser's edits: let through inside a block, else made here

// The characters an edit is about: the browser's target, else the selection.
function bornes(e) {
  const r = e.getTargetRanges ? e.getTargetRanges() : [];
  if (r.length > 0) {
    const a = versTexte(r[0].startContainer, r[0].startOffset), b = versTexte(r[0].endContainer, r[0].endOffset);
    if (a !== null && b !== null) return [Math.min(a, b), Math.max(a, b)];
  }
  return selection().slice();
}

function avantEdition(e) {
  const t = e.inputType;
  if (/Composition/.test(t)) return;
  e.preventDefault();
  if (t === "historyUndo") annule();
  else if (t === "historyRedo") retablit();
  else if (!/^format/.test(t)) edite(e, bornes(e), false);
}

// The edit e over the characters [a, b] made here; muet: as part of the
// browser's own, which tells the page itself.
function edite(e, [a, b], muet) {
  const t = e.inputType;
  if (/^delete/.test(t) && a === b) {
    if (/Backward$/.test(t)) a = Math.max(0, a - (a > 1 && /[\uDC00-\uDFFF]/.test(texteEntre(a - 1, a)) ? 2 : 1));
    else b = Math.min(longueur(), b + (/[\uD800-\uDBFF]/.test(texteEntre(b, b + 1)) ? 2 : 1));
    if (a === b) return;
  }
  let s = "";
  if (t === "insertParagraph" || t === "insertLineBreak") s = "\n";
  else if (/^insert/.test(t)) s = e.data !== null ? e.data : e.dataTransfer ? e.dataTransfer.getData("text/plain") : "";
  remplace(a, b, s.replace(/\r\n?/g, "\n"), t, { muet: muet });
}

function relie() {
  el.addEventListener("beforeinput", function (e) {
    attendue = null;
    // A key typed inside one block: the browser's own, which is fastest.
    if (e.inputType === "insertText" && e.data !== null && !/[\r\n]/.test(e.data)) {
      const [a, b] = bornes(e);
      if (blocDe(a) === blocDe(b)) { attendue = { a: a, b: b, data: e.data }; return; }
    }
    avantEdition(e);
  });
  el.addEventListener("input", function (e) { reconcilie(e); attendue = null; });
  // A text composed over a selection across blocks: the selection goes first.
  el.addEventListener("compositionstart", function () {
    const [a, b] = selection();
    if (blocDe(a) !== blocDe(b)) remplace(a, b, "", "deleteContentBackward");
  });
  el.addEventListener("keydown", function (e) {
    if (!(e.ctrlKey || e.metaKey) || e.altKey) return;
    // The text's ends reached here: the browser's own move stops at the
    // first block not laid out.
    if (e.key === "Home" || e.key === "End") {
      e.preventDefault();
      const s = selectionDom() || gardee, fin = e.key === "End" ? longueur() : 0;
      if (e.shiftKey) selectionne(Math.min(s[0], fin), Math.max(s[1], fin), true);
      else selectionne(fin, fin, true);
      return;
    }
    const k = e.key.toLowerCase();
    if (k === "z" && !e.shiftKey) { e.preventDefault(); annule(); }
    else if (k === "y" || (k === "z" && e.shiftKey)) { e.preventDefault(); retablit(); }
  });
  // Copied as the text holds it, blocks laid out or not.
  ["copy", "cut"].forEach(function (sorte) {
    el.addEventListener(sorte, function (e) {
      const [a, b] = selection();
      if (a === b || !e.clipboardData) return;
      e.clipboardData.setData("text/plain", texteEntre(a, b));
      e.preventDefault();
      if (sorte === "cut") remplace(a, b, "", "deleteByCut");
    });
  });
  el.addEventListener("mousedown", function () { parSouris = document.activeElement !== el; });
  // Focused otherwise than by a click: the selection comes back where it was.
  el.addEventListener("focus", function () {
    if (!parSouris) selectionne(gardee[0], gardee[1], false);
    parSouris = false;
  });
  document.addEventListener("selectionchange", function () {
    if (document.activeElement !== el) return;
    const s = selectionDom();
    if (s !== null) gardee = s;
  });
}

pose("");
observateur.observe(el, { childList: true, characterData: true, subtree: true });
relie();
interfaceDeZone(el, {
  lit: lit, selection: selection, longueur: longueur,
  pose: function (t) { pose(t); oublie(); selectionne(t.length, t.length, false); },
  selectionne: function (a, b) { selectionne(a, b, true); },
  remplace: function (a, b, s, selection) { remplace(a, b, s, "insertReplacementText", { muet: true, selection: selection }); },
});

// The blocks as they stand, for the mirror of the text's marks: each one's
// text and the size it takes before it is laid out.
export function blocsDuTexte() {
  lit();
  return blocs.map(function (b) { return { texte: b.texte, taille: b.taille }; });
}
