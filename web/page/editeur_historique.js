// The editor's undo history: each edit as the text it replaced and the text
// it put in its place, at an offset. Keys typed in a row, and deletions in a
// row, are undone together.

const pause = 1500;    // ms between two keys that ends a run of them
const taille = 500;    // edits kept
const annulations = [], retablissements = [];

// An edit { a, avant, apres, sorte } made, kept for undo.
export function memorise(e) {
  const d = annulations[annulations.length - 1], maintenant = performance.now();
  const suite = d !== undefined && maintenant - d.quand < pause && d.sorte === e.sorte;
  if (suite && e.sorte === "insertText" && d.avant === "" && e.avant === "" && e.a === d.a + d.apres.length && !/\n/.test(e.apres)) {
    d.apres += e.apres;
  } else if (suite && /^delete/.test(e.sorte) && d.apres === "" && e.apres === "" && e.a + e.avant.length === d.a) {
    d.a = e.a;
    d.avant = e.avant + d.avant;
  } else {
    annulations.push(e);
    if (annulations.length > taille) annulations.shift();
  }
  annulations[annulations.length - 1].quand = maintenant;
  retablissements.length = 0;
}

// The edit to undo, or to redo, if any: moved to the other list.
export function aAnnuler() {
  const e = annulations.pop();
  if (e !== undefined) retablissements.push(e);
  return e;
}

export function aRetablir() {
  const e = retablissements.pop();
  if (e !== undefined) annulations.push(e);
  return e;
}

// A text set anew: nothing before it can be undone.
export function oublie() {
  annulations.length = 0;
  retablissements.length = 0;
}

// Where two texts differ: [common start, length of the common end].
export function ecart(ancien, nouveau) {
  let p = 0;
  while (p < ancien.length && p < nouveau.length && ancien[p] === nouveau[p]) p++;
  let f = 0;
  while (f < ancien.length - p && f < nouveau.length - p && ancien[ancien.length - 1 - f] === nouveau[nouveau.length - 1 - f]) f++;
  return [p, f];
}
