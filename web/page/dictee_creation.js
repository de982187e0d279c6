// The teacher's side of a dictation: "Créer une dictée" makes a link of the
// text as it stands, which must be one the checker passes without a fault;
// "Dictée aléatoire" has the module draw a rhythm at a level, in a meter,
// from a seed shown (the same seed draws the same rhythm for a whole class).
// Both with the settings of the hearing: tempo, hearings allowed, count-in,
// whether the meter and the number of measures are shown.
import { lisMesure } from "../pont.js";
import { mots } from "./client.js";
import { $, avisOutils, etat } from "./commun.js";
import { lienDeDictee } from "./dictee_lien.js";
import { estFaute } from "./verdict.js";

let auTravailleur = null;
let mode = "texte";    // "texte" (the text as it stands) or "tirage" (drawn by the module)

// Whether the records are of the text as it stands, and the checker passed
// it whole without a fault.
export function sansFaute(r, texte) {
  return r !== null && r.texte === texte && r.fatal === "" && r.mot_refuse < 0 && r.statut === 0 &&
    r.verdict.reussite && r.nombre_de_mesures > 0 && !r.rapports.some(function (d) { return estFaute(d.nature); });
}

function entier(id, min, max, defaut) {
  const n = Math.round(Number($(id).value));
  return Number.isFinite(n) ? Math.min(max, Math.max(min, n)) : defaut;
}

function reglages() {
  return {
    tempo: entier("dictee-tempo", 20, 400, 60),
    ecoutes: entier("dictee-ecoutes", 0, 99, 0),
    decompte: $("dictee-decompte").checked,
    metreVisible: $("dictee-montre-metre").checked,
    mesuresVisibles: $("dictee-montre-mesures").checked,
  };
}

function tirage() {
  return { niveau: entier("dictee-niveau", 1, 7, 1), metre: entier("dictee-metre", 0, 5, 0),
           mesures: entier("dictee-nombre", 2, 8, 4), graine: entier("dictee-graine", 0, 999999999, 0) };
}

function nouvelleGraine() { $("dictee-graine").value = Math.floor(Math.random() * 1000000); }

// The metronome mark's note: a dotted quarter for the compound meters drawn.
function montreUnite() {
  const r = etat.dernier;
  const compose = mode === "tirage" ? /\/8$/.test($("dictee-metre").selectedOptions[0].textContent)
    : r !== null && r.nombre_de_mesures > 0 && lisMesure(r, 0).valTps === 24;
  $("dictee-unite").textContent = compose ? "♩. =" : "♩ =";
}

function ouvreDialogue(m) {
  mode = m;
  const dialogue = $("dictee-reglages");
  $("dictee-reglages-titre").textContent = m === "tirage" ? "Dictée aléatoire" : "Créer une dictée";
  $("dictee-tirage").hidden = m !== "tirage";
  $("dictee-lien-zone").hidden = true;
  const refus = m === "texte" && !sansFaute(etat.dernier, $("texte").value);
  $("dictee-refus").hidden = !refus;
  $("dictee-refus").textContent = !refus ? ""
    : etat.dernier === null || etat.dernier.texte !== $("texte").value ? "Le texte est en cours d'analyse : réessayez dans un instant."
    : "Seul un texte que le vérificateur accepte sans faute peut devenir une dictée : corrigez d'abord le texte.";
  $("dictee-fait").disabled = refus;
  $("dictee-commence").disabled = refus;
  if (m === "texte") $("dictee-tempo").value = $("tempo").value;
  if (m === "tirage" && $("dictee-graine").value === "") nouvelleGraine();
  montreUnite();
  if (dialogue.showModal) dialogue.showModal(); else dialogue.setAttribute("open", "");
}

// The dictation of the dialog, drawn by the module if asked.
function dicteeDuDialogue() {
  const r = reglages();
  if (mode === "texte")
    return Promise.resolve(Object.assign(r, { texte: $("texte").value, mots: mots(), tirage: null }));
  const t = tirage();
  return auTravailleur({ dictee: "genere", niveau: t.niveau, metre: t.metre, mesures: t.mesures, graine: t.graine })
    .then(function (e) { return Object.assign(r, { texte: e.dictee.texte, mots: e.dictee.mots, tirage: t }); });
}

function montreLien() {
  return dicteeDuDialogue().then(function (d) {
    const lien = lienDeDictee(d);
    $("dictee-lien-zone").hidden = false;
    $("dictee-lien").value = lien;
    $("dictee-ouvre-lien").href = lien;
    $("dictee-lien").select();
    return lien;
  }, function (err) { avisOutils("La dictée n'a pas pu être faite : " + err.message); });
}

// The dictation taken here: the page opens on its link.
function commenceIci() {
  montreLien().then(function (lien) {
    if (!lien) return;
    location.href = lien;
    location.reload();
  });
}

export function relieCreation(travailleur) {
  auTravailleur = travailleur;
  $("dictee-creer").addEventListener("click", function () { ouvreDialogue("texte"); });
  $("dictee-aleatoire").addEventListener("click", function () { ouvreDialogue("tirage"); });
  $("dictee-nouvelle-graine").addEventListener("click", nouvelleGraine);
  $("dictee-metre").addEventListener("change", montreUnite);
  $("dictee-fait").addEventListener("click", montreLien);
  $("dictee-commence").addEventListener("click", commenceIci);
  $("dictee-copie-lien").addEventListener("click", function () {
    $("dictee-lien").select();
    if (navigator.clipboard && window.isSecureContext) navigator.clipboard.writeText($("dictee-lien").value).then(function () { avisOutils("Lien copié."); });
    else document.execCommand("copy");
  });
  // The settings changed: the link shown is no longer theirs.
  $("dictee-reglages").addEventListener("input", function (e) {
    if (e.target.id !== "dictee-lien") $("dictee-lien-zone").hidden = true;
  });
}
