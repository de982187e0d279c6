// The page: the text and the meter go to the checker, which runs in a Web
// Worker; the records it answers are shown (the verdict, the reports each on
// the characters it is about, the listing, the score). The page keeps no
// rule of the checker and reads none of its output: the raw streams are
// only shown.
import "./editeur.js";
import { PanneauPartition } from "../partition/panneau.js";
import { montreBrut, telechargeFlux, copie } from "./brut.js";
import { demande, demarreClient, limite } from "./client.js";
import { $, etat } from "./commun.js";
import { enDictee, relieDictee } from "./dictee.js";
import { construitMenu, premierExemple } from "./exemples.js";
import { exporteFichier, exporteSvg } from "./exporter.js";
import { construitLegende } from "./legende.js";
import { construitListing, montreMesure, rangsVisibles, videListing } from "./listing.js";
import { marqueTexte, suitDefilement } from "./marques.js";
import { fauteVoisine, montreRapports, montreSousCurseur, selectionne, selectionneFauteDeLaMesure, videRapports } from "./rapports.js";
import { convertitRetours, enregistre, gardeMaintenant, montreRetours, ouvre, partage, pose, prendLeLien, sauve, travailGarde } from "./travail.js";
import { classeDuVerdict, classeRapports, enCours, montreChamps, montreHors, montreVerdict, pauseDeFrappe, saisieEnFin, verdict } from "./verdict.js";

let partition = null;      // the score and its playback
let minuterieCalme = null;

// ----- what is shown

let suite = null;  // the rest of showing a result, due in a next task
const pauseDuDessin = 200;  // ms: while keys come, the listing and the score wait for a pause this long

// A result shown in four tasks, so that none holds the page long: first
// the verdict, the reports and the marks in the text; then the listing; the
// score's measures; the score drawn. The last three wait while the
// user is typing for a short pause in the keys, so that a burst of keys
// redraws them once. A newer result cancels what is not yet shown of this
// one.
function montre() {
  const r = etat.dernier;
  if (etat.actif >= r.rapports.length) etat.actif = -1;
  classeRapports(r);
  montreVerdict(verdict(r), classeDuVerdict(r), allerALaMesure);
  montreChamps(r);
  montreHors(r);
  montreRapports(r);
  marqueTexte();
  montreBrut();
  clearTimeout(suite);
  const listing = function () {
    if (etat.dernier !== r) return;
    // Keys still coming: their pause first.
    const reste = etat.derniereFrappe + pauseDuDessin - performance.now();
    if (reste > 0) {
      suite = setTimeout(listing, reste);
      return;
    }
    construitListing(r);
    puis(function () { if (partition !== null) partition.prepare(r); },
         function () {
           if (partition !== null) partition.montre(r);
           document.dispatchEvent(new CustomEvent("rythme-analyse", { detail: r }));
         });
  };
  // Each step in a task of its own, while r is still the result to show.
  const puis = function (...etapes) {
    suite = setTimeout(function () {
      suite = null;
      if (etat.dernier !== r) return;
      etapes[0]();
      if (etapes.length > 1) puis(...etapes.slice(1));
    }, 0);
  };
  suite = setTimeout(listing, 0);
}

function recu(r) {
  etat.dernier = r;
  montre();
}

function montreEchec(message) {
  etat.dernier = null;
  montreVerdict([{ texte: "✖ Le module s'est arrêté pendant l'analyse (" + message + ") : cette analyse est perdue." }], "echec");
  videPanneaux();
}

function tropLong() {
  etat.dernier = null;
  montreVerdict([{ texte: "✖ Texte trop long : l'analyse n'a pas abouti en " + limite / 1000 + " s." }], "echec");
  videPanneaux();
}

function videPanneaux() {
  videRapports();
  $("miroir").textContent = "";
  videListing();
  montreBrut();
}

// After a pause, or once the caret has left the end of the text: shown
// again if a report in progress is now judged.
function rejuge() {
  const r = etat.dernier;
  if (r === null || r.texte !== $("texte").value) return;
  const avant = r.rapports.map(function (d) { return d.classe; }).join();
  classeRapports(r);
  if (r.rapports.map(function (d) { return d.classe; }).join() !== avant) montre();
}

function allerALaMesure(m) {
  selectionneFauteDeLaMesure(m);
  montreMesure(m);
}

// ----- edits

// The text or a field changed; frappe: by a key the user typed in the text.
function modifie(frappe) {
  etat.actif = -1;
  if (frappe) {
    etat.derniereFrappe = performance.now();
    // After a pause the end of the text is judged too.
    clearTimeout(minuterieCalme);
    minuterieCalme = setTimeout(rejuge, pauseDeFrappe + 20);
  }
  $("miroir").textContent = "";
  montreRetours();
  // A dictation's copy is kept with the dictation, not as the work.
  if (!enDictee()) sauve();
  demande();
}

function chargeExemple(e) {
  etat.titre = e.nom.replace(/\.[^.]*$/, "");
  pose({ texte: e.texte, n: e.mots[0] || "", d: e.mots[1] || "", k: e.mots[2] || "" });
  modifie(false);
}

// ----- the page's controls

function relieTexte() {
  const menu = $("exemples");
  $("texte").addEventListener("input", function () { menu.value = ""; modifie(true); });
  ["numerateur", "denominateur", "decomposition"].forEach(function (id) {
    $(id).addEventListener("input", function () { menu.value = ""; modifie(false); });
  });
  $("texte").addEventListener("scroll", suitDefilement);
  ["click", "keyup"].forEach(function (t) {
    $("texte").addEventListener(t, function () {
      montreSousCurseur();
      // The caret left the end of the text (a click, an arrow key): what
      // was in progress there is judged at once.
      if (etat.dernier !== null && enCours(etat.dernier) && !saisieEnFin()) rejuge();
    });
  });
  // Leaving the end of the text: what was in progress there is judged.
  $("texte").addEventListener("blur", function () { etat.derniereFrappe = -Infinity; setTimeout(rejuge, 150); });
  document.addEventListener("keydown", function (e) {
    if (e.key === "F8") { e.preventDefault(); fauteVoisine(e.shiftKey ? -1 : 1); }
  });
}

function relieOutils() {
  const menu = $("exemples");
  construitMenu(menu, chargeExemple);
  $("listing").addEventListener("scroll", rangsVisibles);
  $("brut").addEventListener("toggle", montreBrut);
  $("copie-sortie").addEventListener("click", function () { copie("sortie", this); });
  $("copie-erreur").addEventListener("click", function () { copie("erreur", this); });
  $("partage").addEventListener("click", partage);
  $("enregistre").addEventListener("click", enregistre);
  $("telecharge-sortie").addEventListener("click", function () { telechargeFlux("sortie"); });
  $("telecharge-erreur").addEventListener("click", function () { telechargeFlux("erreur"); });
  $("exporte-musicxml").addEventListener("click", function () { exporteFichier("musicxml"); });
  $("exporte-midi").addEventListener("click", function () { exporteFichier("midi"); });
  $("exporte-svg").addEventListener("click", function () { exporteSvg(partition); });
  $("enregistre-partition").addEventListener("click", function () { exporteSvg(partition); });
  // "Ouvrir…" is reached with Tab and opened with Enter or Space.
  document.querySelector('label[for="fichier"]').addEventListener("keydown", function (e) {
    if (e.key === "Enter" || e.key === " ") { e.preventDefault(); $("fichier").click(); }
  });
  $("fichier").addEventListener("change", function () {
    if (this.files.length) ouvre(this.files[0], function () { menu.value = ""; modifie(false); });
    this.value = "";
  });
  $("convertit-retours").addEventListener("click", function () { convertitRetours(function () { modifie(false); }); });
  construitLegende(function () { modifie(true); });
  // A page left (a reload, a tab closed) keeps the last edit even before
  // the pause that saves it.
  window.addEventListener("pagehide", function () { if (!enDictee()) gardeMaintenant(); });
}

document.addEventListener("DOMContentLoaded", function () {
  relieTexte();
  relieOutils();
  partition = new PanneauPartition({
    partition: $("partition"), tempo: $("tempo"), joue: $("joue"), arrete: $("arrete"), boucle: $("boucle"),
    metronome: $("metronome"), limite: $("partition-limite"), unite: $("unite-tempo"), son: $("son-muet"), texte: $("texte"), selectionneRapport: selectionne,
  });
  // The tests reach the score through this.
  window.panneauPartition = partition;
  demarreClient({ resultat: recu, echec: montreEchec, abandon: tropLong });
  // Dictation (dictee.js): a dictation's link opens the student's view.
  if (relieDictee({ pose: pose, modifie: modifie, panneau: partition })) return;
  // The work: from a shared link, else as it was left, else the first example.
  const lien = prendLeLien();
  const garde = travailGarde();
  if (lien !== null) {
    pose(lien);
    modifie(false);
  } else if (garde !== null) {
    pose(garde);
    montreRetours();
    demande();
  } else {
    chargeExemple(premierExemple());
    $("exemples").value = "0";
  }
});
