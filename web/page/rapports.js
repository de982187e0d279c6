// The list of reports: each a button that selects its characters in the
// text; F8 and Maj+F8 go from fault to fault; the reports about the
// character under the caret stand out.
import { $, element, etat, resultatCourant } from "./commun.js";
import { marqueTexte } from "./marques.js";
import { estFaute } from "./verdict.js";

const NATURES = {
  faute: "Faute", correction: "Notation corrigée", conseil: "Conseil",
  renseignement: "Mesure déduite", fin: "Fin d'analyse", "en-cours": "Mesure en cours",
};

export function montreRapports(r) {
  const liste = $("diagnostics");
  liste.textContent = "";
  $("nombre").textContent = r.rapports.length === 0 ? "aucun" : String(r.rapports.length + r.rapports_omis);
  if (r.rapports.length === 0) liste.appendChild(element("li", "vide", "Aucun diagnostic."));
  const fragment = document.createDocumentFragment();
  r.rapports.forEach(function (d, i) { fragment.appendChild(ligneDuRapport(d, i)); });
  if (r.rapports_omis > 0) fragment.appendChild(element("li", "omis", "… et " + r.rapports_omis + " autres, dans la sortie brute."));
  liste.appendChild(fragment);
}

// A report's item: where, what kind, the message, and its position and code
// (the code and its category only where there is one).
function ligneDuRapport(d, i) {
  const li = element("li", d.classe + (i === etat.actif ? " actif" : ""));
  li.dataset.rapport = i;
  const b = element("button");
  b.type = "button";
  const tete = element("span", "tete");
  tete.appendChild(element("span", "lieu", "m. " + d.mesure + " · tps " + d.temps + (d.au_dela ? " (au-delà de la mesure)" : "")));
  tete.appendChild(element("span", "nature", NATURES[d.classe]));
  b.appendChild(tete);
  b.appendChild(element("span", "message", d.message));
  const pied = element("span", "pied", d.position + (d.code !== 0 ? " · $" + d.code.toString(16).toUpperCase().padStart(4, "0") + " " + d.categorie : ""));
  pied.title = d.description;
  b.appendChild(pied);
  b.querySelectorAll("span.message, span.pied").forEach(function (s) { s.style.display = "block"; });
  b.addEventListener("click", function () { selectionne(i); });
  li.appendChild(b);
  return li;
}

export function videRapports() {
  $("diagnostics").textContent = "";
  $("nombre").textContent = "";
}

// Report i selected: its characters in the text, its item in the list.
export function selectionne(i) {
  if (!resultatCourant()) return;
  const r = etat.dernier.rapports[i];
  etat.actif = i;
  const t = $("texte");
  t.focus();
  t.setSelectionRange(r.debut, r.fin);
  visible(t, r.debut);
  document.querySelectorAll("#diagnostics li[data-rapport]").forEach(function (li) {
    li.classList.toggle("actif", +li.dataset.rapport === i);
  });
  const li = document.querySelector('#diagnostics li[data-rapport="' + i + '"]');
  if (li) li.scrollIntoView({ block: "nearest" });
  marqueTexte();
}

// Scrolls the text area to the line of a character.
export function visible(t, position) {
  const ligne = t.value.slice(0, position).split("\n").length - 1;
  const hauteur = parseFloat(getComputedStyle(t).lineHeight) || 27;
  const haut = ligne * hauteur;
  if (haut < t.scrollTop || haut > t.scrollTop + t.clientHeight - 2 * hauteur)
    t.scrollTop = Math.max(0, haut - t.clientHeight / 3);
}

// The next (sens 1) or previous (sens -1) fault from the caret, F8 and Maj+F8.
export function fauteVoisine(sens) {
  if (!resultatCourant()) return;
  const rapports = etat.dernier.rapports;
  const fautes = [];
  rapports.forEach(function (d, i) { if (estFaute(d.classe)) fautes.push(i); });
  if (fautes.length === 0) return;
  let k;
  if (etat.actif >= 0 && fautes.indexOf(etat.actif) >= 0) {
    k = (fautes.indexOf(etat.actif) + sens + fautes.length) % fautes.length;
  } else {
    const c = $("texte").selectionStart;
    const apres = fautes.filter(function (i) { return sens > 0 ? rapports[i].debut >= c : rapports[i].debut < c; });
    const choix = apres.length > 0 ? (sens > 0 ? apres[0] : apres[apres.length - 1]) : (sens > 0 ? fautes[0] : fautes[fautes.length - 1]);
    k = fautes.indexOf(choix);
  }
  selectionne(fautes[k]);
}

// The first fault of measure m selected, if it has one.
export function selectionneFauteDeLaMesure(m) {
  if (etat.dernier === null) return;
  const i = etat.dernier.rapports.findIndex(function (d) { return d.mesure === m && estFaute(d.classe); });
  if (i >= 0) selectionne(i);
}

// The reports about the character under the caret stand out in the list.
export function montreSousCurseur() {
  if (!resultatCourant()) return;
  const t = $("texte");
  if (t.selectionStart !== t.selectionEnd) return;
  const c = t.selectionStart;
  let premier = null;
  document.querySelectorAll("#diagnostics li[data-rapport]").forEach(function (li) {
    const r = etat.dernier.rapports[+li.dataset.rapport];
    const dessous = r.debut === r.fin ? c === r.debut : r.debut <= c && c < r.fin;
    li.classList.toggle("sous-curseur", dessous);
    if (dessous && premier === null) premier = li;
  });
  if (premier !== null) premier.scrollIntoView({ block: "nearest" });
}
