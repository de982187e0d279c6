// A copy graded, shown: each beat's notes marked right or wrong on the score
// of the student's text, and the solution, the student's measures above the
// original's, measure by measure.
import { Partition, finitParUneLiaison } from "../partition/dessin.js";
import { mesuresDeLaPartition } from "../partition/mesures.js";
import { enLatin1 } from "../pont.js";
import { element } from "./commun.js";

// The beats of a grading with their characters in the student's text (the
// grading counts bytes): [{ mesure, temps, juste, debut, fin, quads }].
export function tempsDansLeTexte(correction, texte) {
  const d = enLatin1(texte).debuts;
  return correction.temps.map(function (t) {
    return { mesure: t[0], temps: t[1], juste: t[2] === 1, debut: d[Math.min(t[3], d.length - 1)],
             fin: d[Math.min(t[4], d.length - 1)], quads: t[5] };
  });
}

// The notes and rests of the measures drawn that sound in the beats: those
// in a wrong beat are wrong, the others right; those written past the
// rhythm's end (its last beat then wrong) are wrong too. [{ mesure,
// element }] each, as the score highlights them.
export function signesDesTemps(mesures, temps) {
  const etat = new Map();
  const derniere = temps.length > 0 ? temps[temps.length - 1] : null;
  const audela = derniere !== null && !derniere.juste
    ? Math.max.apply(null, temps.map(function (t) { return t.fin; })) : Infinity;
  mesures.forEach(function (m, i) {
    m.elements.forEach(function (e, k) {
      if (e.debut >= audela) etat.set(i + ":" + k, false);
      for (const t of temps) {
        if (t.debut >= t.fin || e.fin <= t.debut || t.fin <= e.debut) continue;
        const cle = i + ":" + k;
        if (etat.get(cle) !== false) etat.set(cle, t.juste);
      }
    });
  });
  const justes = [], faux = [];
  etat.forEach(function (juste, cle) {
    const [i, k] = cle.split(":").map(Number);
    (juste ? justes : faux).push({ mesure: i, element: k });
  });
  return { justes: justes, faux: faux };
}

// One measure drawn alone in a box of its own, sized to its drawing, with
// the end of a tie from the measure before (avant) if it has one; its
// Partition, or null where there is no such measure.
function mesureSeule(colonne, m, avant, classe, titre) {
  const boite = element("div", "mesure-seule " + classe, m === undefined ? "(rien)" : undefined);
  boite.title = titre;
  colonne.appendChild(boite);
  if (m === undefined) {
    boite.classList.add("absente");
    return null;
  }
  const p = new Partition(boite, { note: function () {}, barre: function () {}, marque: function () {} }, Infinity);
  p.dessine([m], finitParUneLiaison(avant));
  const svg = boite.querySelector("svg");
  if (svg) boite.style.width = (Number(svg.getAttribute("width")) + 6) + "px";
  return p;
}

// Draws in conteneur the student's measures (rCopie) above the original's
// (rOriginal), one column a measure; temps marks the student's notes.
export function dessineSolution(conteneur, rCopie, rOriginal, temps) {
  conteneur.textContent = "";
  const copie = rCopie ? mesuresDeLaPartition(rCopie) : [];
  const original = mesuresDeLaPartition(rOriginal);
  const marques = signesDesTemps(copie, temps);
  const n = Math.max(copie.length, original.length);
  for (let i = 0; i < n; i++) {
    const colonne = element("div", "paire");
    colonne.appendChild(element("span", "numero", "m. " + (i + 1)));
    conteneur.appendChild(colonne);
    const haut = mesureSeule(colonne, copie[i], copie[i - 1], "copie", "Votre copie, mesure " + (i + 1));
    mesureSeule(colonne, original[i], original[i - 1], "original", "L'original, mesure " + (i + 1));
    if (haut === null) continue;
    const de = function (l) { return l.filter(function (s) { return s.mesure === i; }).map(function (s) { return { mesure: 0, element: s.element }; }); };
    haut.surligne(de(marques.justes), [], "juste");
    haut.surligne(de(marques.faux), [], "faux");
  }
}
