// The worker's client: each edit becomes a request to the checker, which
// runs in a Web Worker; one request runs at a time, and only the latest edit
// waits. A run made stale by a newer edit is stopped once it has run a while,
// a run that takes too long is given up.
import texteDuTravailleur from "@rythme/travailleur";
import { $ } from "./commun.js";

const attenteLongue = 250;    // ms of analysis after which "analyse en cours…" shows
export const limite = 30000;  // ms after which an analysis is given up: "texte trop long"
const relance = 500;          // ms of a run after which a newer edit stops it rather than waits

let travailleur = null;
let rappels = null;        // { resultat(r), echec(message), abandon() }
let numero = 0;            // of the latest request
let enVol = null;          // the request the worker is running: { id, debut, texte, mots, indicateur, minuterie }
let enAttente = null;      // the latest edit, waiting for the worker

// A new worker with the checker's module (the exports start their own),
// from one address kept for the page's life.
let adresse = null;
export function nouveauTravailleur() {
  if (adresse === null) adresse = URL.createObjectURL(new Blob([texteDuTravailleur], { type: "text/javascript" }));
  return new Worker(adresse);
}

export function demarreClient(r) {
  rappels = r;
  demarreTravailleur();
}

function demarreTravailleur() {
  travailleur = nouveauTravailleur();
  travailleur.onmessage = recoit;
  travailleur.onerror = function (e) {
    if (enVol !== null) finVol();
    travailleur.terminate();
    demarreTravailleur();
    rappels.echec("le travailleur s'est arrêté : " + (e.message || e));
  };
}

// The words of the fields as a shell would pass them: none when all are
// empty; otherwise the numerator and the denominator, and the decomposition
// when it is filled. An empty field is an empty word, never skipped: the
// checker says what it makes of it.
export function mots() {
  const champs = [$("numerateur").value, $("denominateur").value, $("decomposition").value];
  while (champs.length > 2 && champs[champs.length - 1] === "") champs.pop();
  if (champs.every(function (c) { return c === ""; })) return [];
  return champs;
}

function ecritCommande(m) {
  const cite = function (x) { return /^[A-Za-z0-9_./+-]+$/.test(x) ? x : "'" + x.replace(/'/g, "'\\''") + "'"; };
  $("commande").textContent = ["rythme"].concat(m.map(cite)).join(" ") + " < texte";
}

// A new analysis of the text and fields as they are now: sent at once if the
// worker is free, otherwise kept as the one to run next (replacing any older).
export function demande() {
  const m = mots();
  ecritCommande(m);
  enAttente = { id: ++numero, mots: m, texte: $("texte").value };
  // The verdict shown is no longer the text's: greyed, "analyse en cours…"
  // (after a moment, so that a quick analysis does not flicker).
  $("verdict").classList.add("perime");
  // A long run made stale is stopped: its worker is replaced.
  if (enVol !== null && performance.now() - enVol.debut > relance) {
    finVol();
    travailleur.terminate();
    demarreTravailleur();
  }
  envoie();
}

function envoie() {
  if (enVol !== null || enAttente === null || travailleur === null) return;
  const d = enAttente;
  enAttente = null;
  enVol = { id: d.id, debut: performance.now(), texte: d.texte, mots: d.mots };
  enVol.indicateur = setTimeout(function () { $("en-cours").hidden = false; }, attenteLongue);
  enVol.minuterie = setTimeout(abandonne, limite);
  travailleur.postMessage({ id: d.id, mots: d.mots, texte: d.texte });
}

function finVol() {
  clearTimeout(enVol.indicateur);
  clearTimeout(enVol.minuterie);
  $("en-cours").hidden = true;
  enVol = null;
}

// An analysis that takes too long: the worker is replaced, the text stays.
function abandonne() {
  const texte = enVol.texte;
  finVol();
  travailleur.terminate();
  demarreTravailleur();
  if (enAttente === null || enAttente.texte === texte) {
    enAttente = null;
    rappels.abandon();
  }
  envoie();
}

function recoit(e) {
  const reponse = e.data;
  if (enVol === null || reponse.id !== enVol.id) return;
  const vol = enVol;
  finVol();
  // A newer edit is waiting: this result is stale, the newer one runs.
  if (enAttente !== null) {
    envoie();
    return;
  }
  if (reponse.echec !== undefined) {
    rappels.echec(reponse.echec);
    return;
  }
  const r = reponse.resultat;
  r.texte = vol.texte;
  r.mots = vol.mots;
  r.duree = reponse.duree;
  rappels.resultat(r);
}
