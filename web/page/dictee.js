// The student's side of a dictation: the page opened from a dictation's
// link plays the rhythm as many times as the teacher allows, the student
// writes it in the usual editor (checked as they type), "Vérifier" grades
// the copy beat by beat against the rhythm by what sounds (in the module),
// and "Voir la solution" draws the original under the copy. The copy, the
// hearings taken and what was seen are kept in this browser for this
// dictation, and go with the copy's link.
import { lisMesure } from "../pont.js";
import { $, avisOutils, element, etat } from "./commun.js";
import { extrait, joue, programmeDuTexte } from "./dictee_ecoute.js";
import { relieCreation, sansFaute } from "./dictee_creation.js";
import { cleDeStockage, dicteeDeLAdresse, lienDeDictee } from "./dictee_lien.js";
import { dessineSolution, signesDesTemps, tempsDansLeTexte } from "./dictee_solution.js";
import { auTravailleur } from "./dictee_travail.js";

let page = null;       // { pose, modifie, panneau } from the page
let dictee = null;     // the dictation taken, null outside one
let seance = null;     // { ecoutes, verifications, solution, copie } kept for it
let cle = "";          // its key in the browser's storage
let original = null;   // the checker's records of the rhythm
let ecoute = null;     // the playback going on
let corrigee = null;   // the last grading: { texte, correction, temps }

export function enDictee() { return dictee !== null; }

// ----- what is kept of a dictation taken, in this browser

function garde() {
  try { localStorage.setItem(cle, JSON.stringify(seance)); } catch (e) { /* storage full or refused: kept for this visit */ }
}

function seanceGardee() {
  let s = null;
  try { s = JSON.parse(localStorage.getItem(cle) || "null"); } catch (e) { s = null; }
  const n = function (x) { return Number.isInteger(x) && x >= 0 ? x : 0; };
  return s !== null && typeof s === "object"
    ? { ecoutes: n(s.ecoutes), verifications: n(s.verifications), solution: s.solution === true, copie: s.copie || null }
    : { ecoutes: 0, verifications: 0, solution: false, copie: null };
}

function copieActuelle() {
  return { texte: $("texte").value, n: $("numerateur").value, d: $("denominateur").value, k: $("decomposition").value };
}

// ----- hearing the rhythm

function montreCompteur() {
  const reste = dictee.ecoutes === 0 ? Infinity : dictee.ecoutes - seance.ecoutes;
  $("dictee-compteur").textContent = dictee.ecoutes === 0
    ? "Écoutes : " + seance.ecoutes + " (sans limite)"
    : "Écoutes : " + seance.ecoutes + " / " + dictee.ecoutes + (reste <= 0 ? " : plus d'écoute" : "");
  $("dictee-ecoute").disabled = ecoute !== null || original === null || reste <= 0;
  $("dictee-arrete").disabled = ecoute === null;
}

function arreteEcoute() {
  if (ecoute !== null) ecoute.arrete();
}

// muet(): the browser kept the sound from starting.
function ecouteProgrammes(programmes, muet) {
  arreteEcoute();
  $("dictee-muet").hidden = true;
  ecoute = joue(programmes, $("dictee-metronome").checked, function () { ecoute = null; montreCompteur(); }, function () {
    $("dictee-muet").hidden = false;
    if (muet) muet();
  });
  montreCompteur();
}

// A hearing, counted as it starts (one stopped midway counts; one the
// browser kept silent does not).
function ecouteLaDictee() {
  if (original === null || (dictee.ecoutes > 0 && seance.ecoutes >= dictee.ecoutes)) return;
  seance.ecoutes += 1;
  garde();
  ecouteProgrammes([programmeDuTexte(original, dictee.tempo, dictee.decompte).programme], function () {
    seance.ecoutes -= 1;
    garde();
    montreCompteur();
  });
}

// The first wrong beat: the student's version, then the original's (not a
// hearing: it is the grading's answer).
function ecouteLeTempsFaux() {
  const c = corrigee;
  if (c === null || c.correction.premier_faux < 0 || original === null) return;
  const o = programmeDuTexte(original, dictee.tempo, false);
  const i = c.correction.premier_faux;
  const a = c.temps[i].quads * o.parQuad;
  const b = i + 1 < c.temps.length ? c.temps[i + 1].quads * o.parQuad : o.programme.fin;
  const programmes = [];
  const r = page.panneau.r;
  if (r !== null && r.texte === c.texte) programmes.push(extrait(programmeDuTexte(r, dictee.tempo, false, o.unite).programme, a, b));
  programmes.push(extrait(o.programme, a, b));
  ecouteProgrammes(programmes);
}

// ----- grading

// The grading's marks on the score of the text, while the text is the one
// graded.
function marque() {
  const partition = page.panneau.partition;
  const r = page.panneau.r;
  const actuelle = corrigee !== null && r !== null && r.texte === corrigee.texte;
  const s = actuelle ? signesDesTemps(page.panneau.mesures, corrigee.temps) : { justes: [], faux: [] };
  partition.surligne(s.justes, [], "juste");
  partition.surligne(s.faux, [], "faux");
  $("dictee-resultat").classList.toggle("perime", corrigee !== null && !actuelle);
}

function nomDuTemps(t) { return "mesure " + t.mesure + ", temps " + t.temps; }

function montreCorrection(rendue) {
  const c = corrigee.correction, temps = corrigee.temps;
  const zone = $("dictee-resultat");
  zone.textContent = "";
  const n = temps.length;
  // Rounded down: a copy with a wrong beat never reads 100 %.
  const note = element("p", "note" + (c.justes === n ? " parfait" : ""),
    "Note : " + c.justes + " temps justes sur " + n + " (" + Math.floor(100 * c.justes / Math.max(1, n)) + " %).");
  zone.appendChild(note);
  if (c.autre_graphie)
    zone.appendChild(element("p", "graphie", "Tout sonne juste ; vous l'avez écrit autrement que l'original, " +
      "ce qui s'entend pareil (comparez avec la solution)."));
  const r = etat.dernier;
  if (r !== null && r.texte === corrigee.texte && r.fautives && r.fautives.length > 0)
    zone.appendChild(element("p", "fautes", "Des mesures de votre texte ne tombent pas juste : voyez les diagnostics ; " +
      "leurs temps sont notés à l'oreille comme les autres."));
  const faux = temps.filter(function (t) { return !t.juste; });
  if (faux.length > 0) {
    const liste = element("p", "faux", "Temps faux : ");
    faux.forEach(function (t, k) {
      if (k > 0) liste.appendChild(document.createTextNode(", "));
      const b = element("button", "lien", nomDuTemps(t));
      b.type = "button";
      b.title = t.debut < t.fin ? "Sélectionner ce temps dans le texte" : "Rien n'est écrit pour ce temps";
      b.addEventListener("click", function () { if (t.debut < t.fin) { $("texte").focus(); $("texte").setSelectionRange(t.debut, t.fin); } });
      liste.appendChild(b);
    });
    zone.appendChild(liste);
    const rejoue = element("button", "", "▶ Le premier temps faux : votre version, puis l'original");
    rejoue.type = "button";
    rejoue.id = "dictee-temps-faux";
    rejoue.addEventListener("click", ecouteLeTempsFaux);
    zone.appendChild(rejoue);
    if (!rendue) ecouteLeTempsFaux();
  }
  marque();
}

// rendue: a copy sent back, graded as it was handed in (nothing counted or
// played).
function verifie(rendue) {
  const texte = $("texte").value;
  return auTravailleur({ dictee: "corrige", mots: dictee.mots, original: dictee.texte, copie: texte }).then(function (e) {
    corrigee = { texte: texte, correction: e.dictee, temps: tempsDansLeTexte(e.dictee, texte) };
    if (!rendue) {
      seance.verifications += 1;
      garde();
    }
    $("dictee-solution").disabled = false;
    montreCorrection(rendue);
    if (!$("dictee-solution-vue").hidden) montreSolution();
  }, function (err) { $("dictee-resultat").textContent = "La correction a échoué : " + err.message; });
}

function montreSolution() {
  seance.solution = true;
  garde();
  const vue = $("dictee-solution-vue");
  vue.hidden = false;
  const r = page.panneau.r;
  const copie = r !== null && r.texte === $("texte").value ? r : null;
  const temps = corrigee !== null && copie !== null && corrigee.texte === copie.texte ? corrigee.temps : [];
  dessineSolution($("dictee-mesures-solution"), copie, original, temps);
}

function partageCopie() {
  const lien = lienDeDictee(dictee, Object.assign(copieActuelle(),
    { ecoutes: seance.ecoutes, verifications: seance.verifications, solution: seance.solution }));
  const champ = $("dictee-lien-copie");
  champ.hidden = false;
  champ.value = lien;
  champ.select();
  if (navigator.clipboard && window.isSecureContext)
    navigator.clipboard.writeText(lien).then(function () { avisOutils("Lien de la copie copié."); }, function () { /* shown below */ });
}

// ----- the view

function montreInfos(tirage) {
  const infos = [];
  // The meter: the words', else the one the checker found for the first measure.
  const premiere = original !== null && original.nombre_de_mesures > 0 ? lisMesure(original, 0) : null;
  const metre = dictee.mots.length >= 2 ? dictee.mots[0] + "/" + dictee.mots[1]
    : premiere !== null ? premiere.numerateur + "/" + premiere.denominateur : "…";
  infos.push(dictee.metreVisible ? "Mesure : " + metre : "Mesure : à trouver");
  if (dictee.mesuresVisibles && original !== null) infos.push(original.nombre_de_mesures + " mesures");
  const unite = original !== null ? programmeDuTexte(original, dictee.tempo, false).unite : 16;
  infos.push((unite === 24 ? "♩. = " : "♩ = ") + dictee.tempo);
  infos.push(dictee.decompte ? "avec décompte" : "sans décompte");
  if (tirage) infos.push("niveau " + tirage.niveau + ", graine " + tirage.graine);
  $("dictee-infos").textContent = infos.join(" · ");
}

function ouvre(lien) {
  const rendue = lien.copie;
  seance = seanceGardee();
  // No examples to replace the copy with, no other link than the copy's.
  document.body.classList.add("en-dictee");
  $("exemples").closest("label").hidden = true;
  $("dictee").hidden = false;
  $("dictee-ecoute").addEventListener("click", ecouteLaDictee);
  $("dictee-arrete").addEventListener("click", arreteEcoute);
  $("dictee-verifie").addEventListener("click", function () { verifie(false); });
  $("dictee-solution").addEventListener("click", montreSolution);
  $("dictee-partage").addEventListener("click", partageCopie);
  $("dictee-quitte").addEventListener("click", function () { location.hash = ""; location.reload(); });
  if (rendue) {
    $("dictee-rendue").hidden = false;
    $("dictee-rendue").textContent = "Copie rendue : " + rendue.ecoutes + " écoute(s), " + rendue.verifications +
      " vérification(s), solution " + (rendue.solution ? "vue" : "pas vue") + " avant de la rendre.";
  }
  // The copy: the one sent back, or the one being written here, or none yet.
  const copie = rendue || seance.copie ||
    { texte: "", n: dictee.metreVisible ? dictee.mots[0] || "" : "", d: dictee.metreVisible ? dictee.mots[1] || "" : "",
      k: dictee.metreVisible ? dictee.mots[2] || "" : "" };
  page.pose(copie);
  page.modifie(false);
  document.addEventListener("rythme-analyse", function (e) {
    if (!rendue) {
      seance.copie = copieActuelle();
      garde();
    }
    if (corrigee !== null) marque();
    else if (rendue && e.detail.texte === rendue.texte) verifie(true);
  });
  montreInfos(dictee.tirage);
  montreCompteur();
  auTravailleur({ mots: dictee.mots, texte: dictee.texte }).then(function (e) {
    // Only a rhythm the checker passes is played and graded against.
    e.resultat.texte = dictee.texte;
    if (!sansFaute(e.resultat, dictee.texte)) {
      $("dictee-resultat").textContent = "Cette dictée n'est pas un rythme que le vérificateur accepte sans faute : " +
        "demandez un autre lien.";
      $("dictee-verifie").disabled = true;
      return;
    }
    original = e.resultat;
    montreInfos(dictee.tirage);
    montreCompteur();
  }, function (err) { $("dictee-resultat").textContent = "La dictée ne peut pas être lue : " + err.message; });
}

// Wires the dictation's controls. Returns whether the page was opened from
// a dictation's link: the student's view is then shown, with the copy in
// the text.
// p: { pose(work), modifie(frappe), panneau (the score's panel) }.
export function relieDictee(p) {
  page = p;
  relieCreation(auTravailleur);
  const lien = dicteeDeLAdresse();
  if (lien === null) return false;
  if (lien.dictee === null) {
    avisOutils("Ce lien de dictée est abîmé (coupé ou modifié en chemin) : demandez-le à nouveau.");
    return false;
  }
  dictee = lien.dictee;
  cle = cleDeStockage(lien.code);
  ouvre(lien);
  return true;
}
