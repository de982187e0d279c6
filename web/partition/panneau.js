// The score panel of the page: the score drawn from each analysis, kept in
// step with the text (a click on a note selects its characters, the caret
// and the selection highlight what they stand on), and the playback.
//   const p = new PanneauPartition({ partition, tempo, joue, arrete, boucle,
//     metronome, limite (where a score cut short says so), texte (the text
//     area), selectionneRapport(i) });
// The page's elements #depart-lecture (where playback starts from, when
// not the start) and #imprime (the print dialog's) are found by their ids.
//   p.montre(r)  after each analysis (r: the records, offsets in the text's
//                characters, r.texte the text analysed)
import { Partition } from "./dessin.js";
import { fichierSvg, prepareImpression, titreDe } from "./impression.js";
import { arrete, joue } from "./jeu.js";
import { joueProgramme, programmeDeLecture, uniteDuTempo } from "./lecture.js";
import { marqueLesRapports, mesuresDeLaPartition, signeSous } from "./mesures.js";

export function PanneauPartition(o) {
  const panneau = this;
  if (!o.depart) o.depart = document.getElementById("depart-lecture");
  this.o = o;
  this.r = null;
  this.mesures = [];
  this.preparees = null;  // { r, mesures }: the measures of an analysis about to be shown
  this.lecture = null;  // the playback: { contexte, programme, depart, planificateur, minuterie, image }
  this.partition = new Partition(o.partition, {
    note: function (i, k) {
      const e = panneau.mesures[i].elements[k];
      panneau.selectionne(e.debut, e.fin);
    },
    barre: function (i) {
      const b = panneau.mesures[i].barre;
      panneau.selectionne(b.debut, b.fin);
    },
    marque: function (rapport) { o.selectionneRapport(rapport); },
    numero: function (i) { panneau.joueDepuis(i); },
  });
  this.depart = null;  // the measure to play from, by index, or null: the start
  relieLePapier(this);
  o.joue.addEventListener("click", function () { panneau.joue(); });
  if (o.depart) o.depart.querySelector("button").addEventListener("click", function () { panneau.fixeDepart(null); });
  o.arrete.addEventListener("click", function () { panneau.arrete(); });
  ["select", "keyup", "click", "input"].forEach(function (t) {
    o.texte.addEventListener(t, function () { panneau.suitLeCurseur(); });
  });
  document.addEventListener("selectionchange", function () {
    if (document.activeElement === o.texte) panneau.suitLeCurseur();
  });
}

// The measures of analysis r, read from its records ahead of montre(r), so
// that a long piece's reading and its drawing fall in different tasks.
PanneauPartition.prototype.prepare = function (r) {
  if (this.preparees !== null && this.preparees.r === r) return this.preparees.mesures;
  const mesures = mesuresDeLaPartition(r);
  marqueLesRapports(mesures, r.rapports);
  this.preparees = { r: r, mesures: mesures };
  return mesures;
};

// The score of a new analysis; the drawings of unchanged lines are kept.
PanneauPartition.prototype.montre = function (r) {
  const debut = performance.now();
  const mesures = this.prepare(r);
  this.preparees = null;
  this.r = r;
  this.mesures = mesures;
  // Playing from a measure: still there, and named by its number now.
  if (this.depart !== null) this.fixeDepart(this.depart);
  // Drawn where the caret's measure will be in view.
  const s = r.texte === this.o.texte.value ? this.signeAuCurseur() : null;
  this.partition.dessine(mesures, false, s ? s.mesure : -1);
  this.partition.titres(r.rapports);
  // A text too long to be drawn whole is drawn up to where its signs stop.
  const limite = this.o.limite;
  limite.hidden = !(r.signes_omis > 0);
  if (r.signes_omis > 0)
    limite.textContent = "Texte trop long pour la partition : elle s'arrête à la mesure " +
      (mesures.length ? mesures[mesures.length - 1].numero : 0) + ".";
  // The metronome mark's note: ♩, or ♩. where the first meter's beat is dotted.
  if (this.o.unite) this.o.unite.textContent = uniteDuTempo(mesures) === 24 ? "♩. =" : "♩ =";
  // The score follows the caret: what comes into view is drawn.
  this.suitLeCurseur();
  this.dureeDessin = performance.now() - debut;
};

// The characters [a, b) selected in the text.
PanneauPartition.prototype.selectionne = function (a, b) {
  if (this.r === null || a < 0) return;
  const t = this.o.texte;
  t.focus();
  this.poseSelection(a, b);
  this.suitLeCurseur();
};

// A selection the panel makes itself (a click on a note, the note playing)
// shows where something is: ▶ does not take it for measures chosen to play.
PanneauPartition.prototype.poseSelection = function (a, b) {
  this.o.texte.setSelectionRange(a, b);
  this.selectionPosee = [a, b];
};

// The caret highlights the sign it stands on (or just after); a selection
// highlights the measures it covers.
PanneauPartition.prototype.suitLeCurseur = function () {
  if (this.r === null || this.r.texte !== this.o.texte.value) return;
  const t = this.o.texte;
  const a = t.selectionStart, b = t.selectionEnd;
  if (a === b) {
    const s = this.signeAuCurseur();
    this.partition.surligne(s ? [s] : [], [], "actif");
    if (s) this.partition.montre(s.mesure);
    return;
  }
  const couvertes = this.couvertes(a, b);
  this.partition.surligne([], couvertes, "actif");
};

// The sign the caret stands on, or just after; null with a selection.
PanneauPartition.prototype.signeAuCurseur = function () {
  const t = this.o.texte;
  const a = t.selectionStart;
  if (a !== t.selectionEnd) return null;
  const s = signeSous(this.mesures, a);
  return s === null && a > 0 ? signeSous(this.mesures, a - 1) : s;
};

// The measures that characters [a, b) cover.
PanneauPartition.prototype.couvertes = function (a, b) {
  const couvertes = [];
  this.mesures.forEach(function (m, i) { if (m.debut < b && a < m.fin) couvertes.push(i); });
  return couvertes;
};

// The measures to play: the ones selected in the text, as written; with
// nothing selected, the whole piece, its repeats taken and its endings as
// written (the order the checker's records give), from its first measure,
// or from the one the user chose to play from; looped if asked.
PanneauPartition.prototype.etendue = function () {
  const t = this.o.texte, boucle = this.o.boucle.checked;
  const posee = this.selectionPosee;
  const choisie = !(posee && posee[0] === t.selectionStart && posee[1] === t.selectionEnd);
  if (t.selectionStart !== t.selectionEnd && this.r !== null && choisie) {
    const couvertes = this.couvertes(t.selectionStart, t.selectionEnd);
    if (couvertes.length) return { depuis: couvertes[0], jusqua: couvertes[couvertes.length - 1], boucle: boucle };
  }
  return { piece: true, depart: this.depart, boucle: boucle };
};

// Plays from measure i (the click on its number), until asked to play from
// the start again; says so beside the play button, with the way back.
PanneauPartition.prototype.joueDepuis = function (i) {
  this.fixeDepart(i);
  this.poseSelection(this.o.texte.selectionEnd, this.o.texte.selectionEnd);
  this.joue();
};

PanneauPartition.prototype.fixeDepart = function (i) {
  const d = this.o.depart;
  this.depart = i === null || i >= this.mesures.length ? null : i;
  if (!d) return;
  d.hidden = this.depart === null;
  if (this.depart !== null) d.querySelector(".numero-depart").textContent = String(this.mesures[i].numero);
  this.o.joue.title = this.depart === null ? "Jouer la pièce, reprises comprises, ou les mesures sélectionnées"
    : "Jouer à partir de la mesure " + this.mesures[i].numero + ", ou les mesures sélectionnées";
};

// The measures of the piece in the order they are played, as indices.
PanneauPartition.prototype.ordre = function () {
  const indices = new Map();
  this.mesures.forEach(function (m, i) { if (!indices.has(m.numero)) indices.set(m.numero, i); });
  const ordre = ((this.r && this.r.ordre) || []).map(function (n) { return indices.get(n); })
    .filter(function (i) { return i !== undefined; });
  // Measures drawn past the records' order (a text cut short): as written.
  const dernier = ordre.length ? Math.max.apply(null, ordre) : -1;
  for (let i = dernier + 1; i < this.mesures.length; i++) ordre.push(i);
  return ordre;
};

// The schedule of the measures to play (or of those given), at the tempo set.
PanneauPartition.prototype.programme = function (etendue) {
  const e = etendue || this.etendue();
  const tempo = Math.min(400, Math.max(20, +this.o.tempo.value || 60));
  const unite = uniteDuTempo(this.mesures);
  if (e.piece) {
    let ordre = this.ordre();
    // From the first time the chosen measure is played.
    const k = e.depart !== null && e.depart !== undefined ? ordre.indexOf(e.depart) : -1;
    if (k > 0) ordre = ordre.slice(k);
    return { etendue: e, programme: programmeDeLecture(this.mesures, tempo, 0, 0, ordre, unite) };
  }
  const jusqua = Math.min(e.jusqua, this.mesures.length - 1);
  return { etendue: e, programme: programmeDeLecture(this.mesures, tempo, Math.min(e.depuis, jusqua), jusqua, null, unite) };
};

PanneauPartition.prototype.joue = function () { joue(this); };
PanneauPartition.prototype.arrete = function () { arrete(this); };

// The print dialog's button; whatever starts printing (the browser's menu
// too) prints the score as the dialog says.
function relieLePapier(panneau) {
  const $ = function (id) { return document.getElementById(id); };
  if (!$("impression")) return;
  window.addEventListener("beforeprint", function () { panneau.prepareImpression(); });
  window.addEventListener("afterprint", function () { $("impression").textContent = ""; });
  $("imprime").addEventListener("click", function () {
    $("imprimer").open = false;
    window.print();
  });
}

// The print section filled as the print dialog asks.
PanneauPartition.prototype.prepareImpression = function () {
  const $ = function (id) { return document.getElementById(id); };
  prepareImpression($("impression"), this.partition, {
    titre: titreDe($("titre-impression"), this.o.texte.value),
    texte: $("imprime-texte").checked ? this.o.texte.value : null,
    rapports: $("imprime-rapports").checked ? $("diagnostics") : null,
  });
};

// The score as an SVG file's text, under the print dialog's title.
PanneauPartition.prototype.fichierSvg = function (titre) {
  return fichierSvg(this.partition, titre !== undefined ? titre : titreDe(document.getElementById("titre-impression"), this.o.texte.value));
};

// A schedule played whole on a context, at once (the tests render it offline).
PanneauPartition.prototype.joueProgramme = joueProgramme;
