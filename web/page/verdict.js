// The verdict over the text: the checker's own (✔ or ✖, from the status the
// console would return, with its counts), in words, and which of its reports
// are still in progress while the user types at the end of the text.
import { $, element, etat } from "./commun.js";

const calme = 1500;  // ms without typing after which the end of the text is judged too
const CHAMPS = ["Numérateur", "Dénominateur", "Décomposition"];

// Whether the caret stands at the end of the text (only blanks after it),
// with the user typing there.
export function saisieEnFin() {
  const t = $("texte");
  if (performance.now() - etat.derniereFrappe > calme) return false;
  if (t.selectionStart !== t.selectionEnd) return false;
  return /^\s*$/.test(t.value.slice(t.selectionEnd));
}
export const pauseDeFrappe = calme;

// A report that counts as a fault: what the checker counts so (all but
// advice and the meter inferred), the end in error included.
export function estFaute(classe) { return classe === "faute" || classe === "correction" || classe === "fin"; }
export function enCours(r) { return r.rapports.some(function (d) { return d.classe === "en-cours"; }); }

// Each report's class: its kind, or "en-cours" for a report that one more
// key at the end of the text could still change, while the user is typing
// there: a blank, a new line or a tie ending the text, an unfinished last
// measure, an open group. A bar the user wrote closes its measure: what is
// said about it is judged at once. The faulty measures are the checker's,
// less those whose faults are all in progress.
export function classeRapports(r) {
  let fin = r.texte.length;  // past the last character other than a blank
  while (fin > 0 && /\s/.test(r.texte[fin - 1])) fin--;
  const enFin = saisieEnFin() && !/[|]$/.test(r.texte.slice(0, fin));
  const fermes = new Set(), provisoires = new Set();
  r.rapports.forEach(function (d) {
    d.classe = enFin && Math.max(d.debut, d.fin) >= fin - 1 && d.nature !== "conseil" && d.nature !== "renseignement"
      ? "en-cours" : d.nature;
    if (estFaute(d.classe)) fermes.add(d.mesure);
    if (d.classe === "en-cours") provisoires.add(d.mesure);
  });
  r.fautives = r.verdict.mesures_fautives.filter(function (m) { return fermes.has(m) || !provisoires.has(m); });
}

// The class of the verdict's box: a failure, a success, or neither (an
// empty text, a measure in progress).
export function classeDuVerdict(r) {
  const echec = r.fatal !== "" || r.mot_refuse >= 0 || r.fautives.length > 0 || (!r.verdict.reussite && !enCours(r));
  return echec ? "echec" : (r.verdict.reussite && r.nombre_de_mesures > 0 ? "reussite" : "");
}

// The verdict, as lines of parts: text, or a link to a measure.
export function verdict(r) {
  if (r.mot_refuse >= 0)
    return [[{ texte: "✖ La mesure n'est pas acceptée : voyez le champ « " + CHAMPS[r.mot_refuse] + " »." }]];
  if (r.fatal !== "")
    return [[{ texte: "✖ Le vérificateur s'est arrêté : " + r.fatal.trim() }]];
  const lignes = [premiereLigne(r)];
  const n = r.nombre_de_mesures;
  const conseils = r.rapports.filter(function (d) { return d.classe === "conseil"; }).length;
  if (conseils > 0) lignes.push([{ texte: conseils + (conseils > 1 ? " conseils" : " conseil") + " d'écriture, à lire dans les diagnostics.", classe: "conseils" }]);
  // What the checker says about the end of the text, in its words.
  r.rapports.filter(function (d) { return d.classe === "fin"; }).slice(0, 2).forEach(function (d) {
    lignes.push([{ texte: "⚠ " + d.message.split("\n")[0], classe: "fin" }]);
  });
  if (r.texte.trim() !== "" || n > 0)
    lignes.push([{ texte: r.double_barre ? "Double barre finale atteinte." :
                   "Pas de double barre finale : l'analyse s'arrête à la fin du texte.", classe: "barre-finale" }]);
  if (r.rapports_omis > 0)
    lignes.push([{ texte: "Seuls les " + r.rapports.length + " premiers diagnostics sont listés ; " + r.rapports_omis + " autres sont dans la sortie brute." }]);
  return lignes;
}

// The verdict's first line: success, measure in progress, or the faulty
// measures, each a link.
function premiereLigne(r) {
  const n = r.nombre_de_mesures;
  const mesures = n + (n > 1 ? " mesures" : " mesure");
  if (r.texte.trim() === "" && n === 0)
    return [{ texte: "Texte vide : écrivez des notes, ou choisissez un exemple." }];
  if (r.fautives.length === 0 && r.verdict.reussite)
    return [{ texte: "✔ " + mesures + ", aucune faute" }];
  // Nothing judged faulty yet, but not a success either: the checker would
  // end with status 1 on the text as it stands.
  if (r.fautives.length === 0 && enCours(r))
    return [{ texte: n === 0 ? "… Mesure en cours, aucune faute jusqu'ici." : "… " + mesures + ", aucune faute jusqu'ici (mesure en cours)" }];
  if (r.fautives.length === 0)
    return [{ texte: "✖ Le texte n'est pas vérifié jusqu'au bout (statut de sortie " + r.verdict.statut + ") : voyez les diagnostics." }];
  const k = r.fautives.length;
  // Beyond the reports listed, more measures may be faulty.
  const auMoins = r.rapports_omis > 0 ? "au moins " : "";
  const parties = [{ texte: "✖ " + auMoins + k + (k > 1 ? " mesures fautives : m. " : " mesure fautive : m. ") }];
  r.fautives.slice(0, 30).forEach(function (m, i) {
    if (i > 0) parties.push({ texte: ", " });
    parties.push({ mesure: m });
  });
  if (k > 30) parties.push({ texte: "…" });
  // Out of how many, where that says something: not for the one measure
  // closed, nor when the faults reach the measure left open.
  if (n > 1 && k < n) parties.push({ texte: " (sur " + mesures + ")" });
  return parties;
}

// Written only when it changes, so that a screen reader hears it once.
// allerA(m): a click on a measure's link.
export function montreVerdict(lignes, classe, allerA) {
  if (!Array.isArray(lignes[0])) lignes = [lignes];
  const v = $("verdict");
  v.classList.remove("perime");
  const cle = JSON.stringify(lignes) + classe;
  if (v.dataset.cle === cle) return;
  v.dataset.cle = cle;
  v.className = "verdict " + (classe || "");
  v.textContent = "";
  lignes.forEach(function (parties) {
    const p = element("p", "ligne");
    parties.forEach(function (x) {
      if (x.mesure !== undefined) {
        const b = element("button", "lien", String(x.mesure));
        b.type = "button";
        b.title = "Aller à la mesure " + x.mesure;
        b.addEventListener("click", function () { allerA(x.mesure); });
        p.appendChild(b);
      } else {
        p.appendChild(element("span", x.classe || "", x.texte));
      }
    });
    v.appendChild(p);
  });
}

// A wrong word of the command line, shown at its field.
export function montreChamps(r) {
  ["numerateur", "denominateur", "decomposition"].forEach(function (id, i) {
    const faux = r.mot_refuse === i;
    $(id).setAttribute("aria-invalid", faux ? "true" : "false");
    $("erreur-" + id).hidden = !faux;
    $("erreur-" + id).textContent = faux ? r.refus.trim() : "";
  });
}

// Characters the checker got as '?'.
export function montreHors(r) {
  const hors = r.hors.length;
  $("hors").hidden = hors === 0;
  $("hors").textContent = hors === 0 ? "" :
    hors + (hors > 1 ? " caractères hors de Latin-1 ont été envoyés" : " caractère hors de Latin-1 a été envoyé") +
    " au vérificateur comme « ? » (marqués en orange) : un fichier Latin-1 ne peut pas les contenir.";
}
