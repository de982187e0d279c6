// The score panel of the page: the score drawn from each analysis, kept in
// step with the text (a click on a note selects its characters, the caret
// and the selection highlight what they stand on), and the playback.
//   const p = new PanneauPartition({ partition, tempo, joue, arrete, boucle,
//     metronome, limite (where a score cut short says so), texte (the text
//     area), selectionneRapport(i) });
//   p.montre(r)  after each analysis (r: the records, offsets in the text's
//                characters, r.texte the text analysed)
import { Partition } from "./dessin.js";
import { Planificateur, joueProgramme, programmeDeLecture, uniteDuTempo } from "./lecture.js";
import { marqueLesRapports, mesuresDeLaPartition, signeSous } from "./mesures.js";

export function PanneauPartition(o) {
  const panneau = this;
  this.o = o;
  this.r = null;
  this.mesures = [];
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
  });
  o.joue.addEventListener("click", function () { panneau.joue(); });
  o.arrete.addEventListener("click", function () { panneau.arrete(); });
  ["select", "keyup", "click", "input"].forEach(function (t) {
    o.texte.addEventListener(t, function () { panneau.suitLeCurseur(); });
  });
  document.addEventListener("selectionchange", function () {
    if (document.activeElement === o.texte) panneau.suitLeCurseur();
  });
}

// The score of a new analysis; the drawings of unchanged measures are kept.
PanneauPartition.prototype.montre = function (r) {
  const debut = performance.now();
  this.r = r;
  const mesures = mesuresDeLaPartition(r);
  marqueLesRapports(mesures, r.rapports);
  this.mesures = mesures;
  this.partition.dessine(mesures);
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
  t.setSelectionRange(a, b);
  this.suitLeCurseur();
};

// The caret highlights the sign it stands on (or just after); a selection
// highlights the measures it covers.
PanneauPartition.prototype.suitLeCurseur = function () {
  if (this.r === null || this.r.texte !== this.o.texte.value) return;
  const t = this.o.texte;
  const a = t.selectionStart, b = t.selectionEnd;
  if (a === b) {
    let s = signeSous(this.mesures, a);
    if (s === null && a > 0) s = signeSous(this.mesures, a - 1);
    this.partition.surligne(s ? [s] : [], [], "actif");
    if (s) this.partition.montre(s.mesure);
    return;
  }
  const couvertes = this.couvertes(a, b);
  this.partition.surligne([], couvertes, "actif");
};

// The measures that characters [a, b) cover.
PanneauPartition.prototype.couvertes = function (a, b) {
  const couvertes = [];
  this.mesures.forEach(function (m, i) { if (m.debut < b && a < m.fin) couvertes.push(i); });
  return couvertes;
};

// The measures to play: the ones selected in the text, as written; with
// nothing selected, the whole piece from its first measure, its repeats
// taken and its endings as written (the order the checker's records give);
// looped if asked.
PanneauPartition.prototype.etendue = function () {
  const t = this.o.texte;
  if (t.selectionStart !== t.selectionEnd && this.r !== null) {
    const couvertes = this.couvertes(t.selectionStart, t.selectionEnd);
    if (couvertes.length) return { depuis: couvertes[0], jusqua: couvertes[couvertes.length - 1], boucle: this.o.boucle.checked };
  }
  return { piece: true, boucle: this.o.boucle.checked };
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
  if (e.piece) return { etendue: e, programme: programmeDeLecture(this.mesures, tempo, 0, 0, this.ordre(), unite) };
  const jusqua = Math.min(e.jusqua, this.mesures.length - 1);
  return { etendue: e, programme: programmeDeLecture(this.mesures, tempo, Math.min(e.depuis, jusqua), jusqua, null, unite) };
};

PanneauPartition.prototype.joue = function () {
  this.arrete();
  if (this.mesures.length === 0) return;
  const Contexte = window.AudioContext || window.webkitAudioContext;
  const contexte = new Contexte();
  // A context made before any click starts suspended in some browsers: the
  // click that plays resumes it, and the page says so if sound cannot start.
  const avis = this.o.son;
  if (avis) avis.hidden = true;
  const muet = function (raison) {
    if (avis) { avis.textContent = "Le son ne peut pas démarrer dans ce navigateur" + (raison ? " : " + raison : "") + "."; avis.hidden = false; }
  };
  if (contexte.resume) contexte.resume().catch(function (e) { muet(String(e && e.message || e)); });
  setTimeout(function () { if (contexte.state === "suspended" && panneau.lecture !== null) muet(""); }, 800);
  const { etendue, programme } = this.programme();
  const panneau = this;
  const lecture = { contexte: contexte, etendue: etendue, tour: 0 };
  this.lecture = lecture;
  const metronome = panneau.o.metronome ? panneau.o.metronome.checked : true;
  // The first round: its schedule from now, after its count-in.
  lecture.programme = programme;
  lecture.mesures = panneau.mesures;
  lecture.depart = contexte.currentTime + 0.1;
  lecture.planificateur = new Planificateur(contexte, programme, lecture.depart, metronome);
  lecture.note = -1;     // the last note started
  lecture.joue = null;   // the element highlighted
  lecture.suivant = null;  // a loop's next round, scheduled ahead to start on the last one's end
  this.o.joue.disabled = true;
  this.o.arrete.disabled = false;
  // Sounds are scheduled 1.5 s ahead, every 200 ms (timers go on in a tab
  // in the background, where frames stop).
  const planifie = function () {
    if (panneau.lecture !== lecture) return;
    const maintenant = contexte.currentTime;
    const s = lecture.suivant;
    if (s !== null && maintenant >= s.depart) {
      lecture.planificateur.arrete();
      Object.assign(lecture, { programme: s.programme, mesures: s.mesures, depart: s.depart, planificateur: s.planificateur,
                               note: -1, joue: null, suivant: null });
    }
    const t = maintenant - lecture.depart;
    if (t >= lecture.programme.fin && !etendue.boucle) { panneau.arrete(); return; }
    lecture.planificateur.jusqua(t + 1.5);
    // A loop goes on without its count-in, with the text as it now stands,
    // its round scheduled ahead so that it starts exactly on the last one's end.
    if (etendue.boucle && lecture.suivant === null && t + 1.5 >= lecture.programme.fin) {
      lecture.tour += 1;
      const p = sansDecompte(panneau.programme(etendue).programme);
      const depart = lecture.depart + lecture.programme.fin;
      lecture.suivant = { programme: p, mesures: panneau.mesures, depart: depart,
                          planificateur: new Planificateur(contexte, p, depart, metronome) };
    }
    if (lecture.suivant !== null) lecture.suivant.planificateur.jusqua(maintenant - lecture.suivant.depart + 1.5);
  };
  planifie();
  lecture.minuterie = setInterval(planifie, 200);
  // Each frame: the note sounding is highlighted, in the score and the text.
  const suit = function () {
    if (panneau.lecture !== lecture) return;
    const p = lecture.programme;
    const t = contexte.currentTime - lecture.depart;
    while (lecture.note + 1 < p.notes.length && p.notes[lecture.note + 1].t <= t) lecture.note++;
    const n = lecture.note >= 0 ? p.notes[lecture.note] : null;
    let joue = null;
    if (n !== null && t < n.t + n.duree) for (const e of n.elements) if (e.t <= t) joue = e;
    // The text edited meanwhile: what plays is no longer what is drawn.
    if (lecture.mesures !== panneau.mesures) joue = null;
    if (joue !== lecture.joue) {
      lecture.joue = joue;
      if (joue !== null) {
        const el = panneau.mesures[joue.mesure].elements[joue.element];
        panneau.partition.montre(joue.mesure);
        panneau.partition.surligne([{ mesure: joue.mesure, element: joue.element }], [], "joue");
        // In the text too, unless the caret is someone's who is typing.
        if (document.activeElement !== panneau.o.texte) panneau.o.texte.setSelectionRange(el.debut, el.fin);
      } else {
        panneau.partition.surligne([], [], "joue");
      }
    }
    lecture.image = requestAnimationFrame(suit);
  };
  lecture.image = requestAnimationFrame(suit);
};

// The same measures without the count-in.
function sansDecompte(p) {
  const d = p.decompte;
  return {
    decompte: 0,
    clics: p.clics.filter(function (c) { return c.t >= d; }).map(function (c) { return { t: c.t - d, fort: c.fort, premier: c.premier }; }),
    notes: p.notes.map(function (n) {
      return { t: n.t - d, duree: n.duree, mesure: n.mesure, element: n.element,
               elements: n.elements.map(function (e) { return { mesure: e.mesure, element: e.element, t: e.t - d }; }) };
    }),
    mesures: p.mesures.map(function (m) { return { mesure: m.mesure, t: m.t - d, duree: m.duree }; }),
    fin: p.fin - d,
  };
}

PanneauPartition.prototype.arrete = function () {
  const l = this.lecture;
  this.lecture = null;
  this.o.joue.disabled = false;
  this.o.arrete.disabled = true;
  if (l === null) return;
  clearInterval(l.minuterie);
  cancelAnimationFrame(l.image);
  l.planificateur.arrete();
  if (l.suivant) l.suivant.planificateur.arrete();
  l.contexte.close();
  this.partition.surligne([], [], "joue");
};

// A schedule played whole on a context, at once (the tests render it offline).
PanneauPartition.prototype.joueProgramme = joueProgramme;
