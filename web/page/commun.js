// What the page's modules share: the result shown and what is selected in
// it, and the few helpers every panel uses.

export const etat = {
  dernier: null,              // the last result shown, with its text and words
  actif: -1,                  // the report selected, by index
  derniereFrappe: -Infinity,  // when the user last typed in the text (never, for a text opened)
  titre: "rythme",            // the text's name, for the files saved: the file opened, or the example chosen
};

export function $(id) { return document.getElementById(id); }

export function element(nom, classe, texte) {
  const e = document.createElement(nom);
  if (classe) e.className = classe;
  if (texte !== undefined) e.textContent = texte;
  return e;
}

// Whether the result shown is the text's as it stands: selections and marks
// in the text are made only then.
export function resultatCourant() {
  return etat.dernier !== null && etat.dernier.texte === $("texte").value;
}

// Bytes (or a string) downloaded as a file of this name.
export function telecharge(contenu, nom, type) {
  const a = element("a");
  a.href = URL.createObjectURL(new Blob([contenu], { type: type }));
  a.download = nom;
  document.body.appendChild(a);
  a.click();
  a.remove();
  setTimeout(function () { URL.revokeObjectURL(a.href); }, 1000);
}

// A short notice beside the tools, gone after a while.
export function avisOutils(texte) {
  $("avis-outils").textContent = texte;
  setTimeout(function () { if ($("avis-outils").textContent === texte) $("avis-outils").textContent = ""; }, 4000);
}
