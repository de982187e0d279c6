// The listing: the measures the checker closed, a row per beat and one for
// each measure's sum, with the meter's description above; the rows are built
// only as they come into view, so a long piece costs nothing to list.
import { lisMesure } from "../pont.js";
import { $, element, resultatCourant } from "./commun.js";
import { visible } from "./rapports.js";

const hauteurRang = 26;    // px, the listing's rows (index.html)
let resultat = null;       // the records listed
let rangs = [];            // the listing's rows (see construitListing)
const ligne = 1 << 20;     // rows a measure may have
let lesFautives = null;    // the faulty measures' numbers
let debutsMesures = null;  // the first row of each measure, by number

export function construitListing(r) {
  const d = $("description");
  d.hidden = r.description === "";
  d.textContent = r.description;
  const fautives = new Set(r.fautives);
  // A row per beat and one per measure, kept as numbers: the measure's index
  // times ligne plus its beat, or ligne - 1 for its sum; its words are read
  // only when the row comes into view.
  resultat = r;
  rangs = [];
  debutsMesures = new Map();
  const t = r.table_des_mesures;
  for (let i = 0; i < r.nombre_de_mesures; i++) {
    const numero = t[i * r.par_mesure], temps = t[i * r.par_mesure + 11];
    if (!debutsMesures.has(numero)) debutsMesures.set(numero, rangs.length);
    for (let k = 0; k < Math.min(temps, ligne - 1); k++) rangs.push(i * ligne + k);
    rangs.push(i * ligne + ligne - 1);
  }
  lesFautives = fautives;
  $("nombre-mesures").textContent = String(r.nombre_de_mesures);
  const listing = $("listing");
  listing.textContent = "";
  if (rangs.length === 0) {
    listing.style.height = "";
    listing.appendChild(element("p", "vide", "Aucune mesure fermée."));
    return;
  }
  listing.style.height = Math.min(420, rangs.length * hauteurRang) + "px";
  const espace = element("div");
  espace.style.height = rangs.length * hauteurRang + "px";
  listing.appendChild(espace);
  listing.dataset.premier = "-1";
  rangsVisibles();
}

export function videListing() {
  rangs = [];
  $("listing").textContent = "";
  $("description").hidden = true;
}

// The listing scrolled to measure m.
export function montreMesure(m) {
  const rang = debutsMesures !== null ? debutsMesures.get(m) : undefined;
  if (rang !== undefined) $("listing").scrollTop = Math.max(0, rang * hauteurRang - hauteurRang);
}

// The rows in view (and a few around them) put in the document.
export function rangsVisibles() {
  const listing = $("listing");
  if (rangs.length === 0) return;
  const premier = Math.max(0, Math.floor(listing.scrollTop / hauteurRang) - 5);
  const dernierRang = Math.min(rangs.length, premier + Math.ceil((listing.clientHeight || 420) / hauteurRang) + 10);
  if (listing.dataset.premier === String(premier) && listing.dataset.dernier === String(dernierRang)) return;
  listing.dataset.premier = premier;
  listing.dataset.dernier = dernierRang;
  while (listing.childNodes.length > 1) listing.removeChild(listing.lastChild);
  const fragment = document.createDocumentFragment();
  const mesures = new Map();  // the measures of the rows in view, read once each
  for (let i = premier; i < dernierRang; i++) {
    const m = Math.floor(rangs[i] / ligne), k = rangs[i] % ligne;
    if (!mesures.has(m)) mesures.set(m, lisMesure(resultat, m));
    const mesure = mesures.get(m), somme = k === ligne - 1;
    fragment.appendChild(rang({ mesure: mesure, somme: somme, k: k, temps: mesure.temps[k], fautive: !somme && lesFautives.has(mesure.numero) }, i));
  }
  listing.appendChild(fragment);
}

function rang(x, i) {
  const div = element("div", "rang" + (x.somme ? " somme" : "") + (x.fautive ? " fautive" : ""));
  div.setAttribute("role", "listitem");
  div.style.top = i * hauteurRang + "px";
  const m = x.mesure;
  if (x.somme) {
    const n = m.temps.length;
    div.appendChild(element("span", "n", ""));
    div.appendChild(element("span", "m", ""));
    const s = element("span", "", n + " temps, total " + m.total);
    s.style.gridColumn = "3 / -1";
    div.appendChild(s);
    return div;
  }
  const t = x.temps;  // [text, value, strong, start, end]
  div.appendChild(element("span", "n", x.k === 0 ? String(m.numero) : ""));
  div.appendChild(element("span", "m", x.k === 0 ? m.metre + (m.graphie !== "" ? ", temps " + m.graphie : "") : ""));
  div.appendChild(element("span", "t", String(x.k + 1)));
  div.appendChild(element("span", t[2] ? "fort" : "faible", t[2] ? "fort" : "faible"));
  const g = element("span", "g", t[0]);
  g.title = t[0];
  div.appendChild(g);
  div.appendChild(element("span", "v", String(t[1])));
  div.addEventListener("click", function () {
    if (!resultatCourant()) return;
    $("texte").focus();
    $("texte").setSelectionRange(t[3], t[4]);
    visible($("texte"), t[3]);
  });
  return div;
}
