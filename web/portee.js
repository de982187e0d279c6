// The score panel of the page: the score drawn from each analysis, kept in
// step with the text (a click on a note selects its characters, the caret
// and the selection highlight what they stand on), and the playback.
//   const p = new PanneauPartition({ partition, tempo, joue, arrete, boucle,
//     metronome, limite (where a score cut short says so), texte (the text
//     area), selectionneRapport(i) });
//   p.montre(r)  after each analysis (r: the records, offsets in the text's
//                characters, r.texte the text analysed)
"use strict";

function PanneauPartition(o) {
  const panneau = this;
  this.o = o;
  this.r = null;
  this.mesures = [];
  this.lecture = null;  // the playback: { contexte, programme, depart, planificateur, minuterie, image }
  this.depuis = 0;      // the measure to play from
  this.partition = new Partition(o.partition, {
    note: function (i, k) {
      const e = panneau.mesures[i].elements[k];
      panneau.depuis = i;
      panneau.selectionne(e.debut, e.fin);
    },
    barre: function (i) {
      const b = panneau.mesures[i].barre;
      panneau.depuis = Math.min(i + 1, panneau.mesures.length - 1);
      panneau.selectionne(b.debut, b.fin);
    },
    marque: function (rapport) { o.selectionneRapport(rapport); },
  });
  o.partition.addEventListener("click", function (ev) {
    const div = ev.target.closest(".mesure");
    if (div !== null) panneau.depuis = +div.dataset.mesure;
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
  if (this.depuis >= mesures.length) this.depuis = 0;
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
    if (s) {
      this.depuis = s.mesure;
      this.partition.montre(s.mesure);
    }
    return;
  }
  const couvertes = this.couvertes(a, b);
  this.partition.surligne([], couvertes, "actif");
  if (couvertes.length) this.depuis = couvertes[0];
};

// The measures that characters [a, b) cover.
PanneauPartition.prototype.couvertes = function (a, b) {
  const couvertes = [];
  this.mesures.forEach(function (m, i) { if (m.debut < b && a < m.fin) couvertes.push(i); });
  return couvertes;
};

// The measures to play: the ones selected in the text, or from the one
// clicked (or under the caret) to the end; looped if asked.
PanneauPartition.prototype.etendue = function () {
  const t = this.o.texte;
  if (t.selectionStart !== t.selectionEnd && this.r !== null) {
    const couvertes = this.couvertes(t.selectionStart, t.selectionEnd);
    if (couvertes.length) return { depuis: couvertes[0], jusqua: couvertes[couvertes.length - 1], boucle: this.o.boucle.checked };
  }
  return { depuis: this.depuis, jusqua: this.mesures.length - 1, boucle: this.o.boucle.checked };
};

// The schedule of the measures to play (or of those given), at the tempo set.
PanneauPartition.prototype.programme = function (etendue) {
  const e = etendue || this.etendue();
  const tempo = Math.min(400, Math.max(20, +this.o.tempo.value || 60));
  const jusqua = Math.min(e.jusqua, this.mesures.length - 1);
  return { etendue: e, programme: programmeDeLecture(this.mesures, tempo, Math.min(e.depuis, jusqua), jusqua) };
};

PanneauPartition.prototype.joue = function () {
  this.arrete();
  if (this.mesures.length === 0) return;
  const Contexte = window.AudioContext || window.webkitAudioContext;
  const contexte = new Contexte();
  const { etendue, programme } = this.programme();
  const panneau = this;
  const lecture = { contexte: contexte, etendue: etendue, tour: 0 };
  this.lecture = lecture;
  // Each round: the schedule from now; after the first, a loop goes on
  // without its count-in, with the text as it now stands.
  const lance = function () {
    lecture.programme = lecture.tour === 0 ? programme : sansDecompte(panneau.programme(etendue).programme);
    lecture.mesures = panneau.mesures;
    lecture.depart = contexte.currentTime + 0.1;
    lecture.planificateur = new Planificateur(contexte, lecture.programme, lecture.depart,
                                              panneau.o.metronome ? panneau.o.metronome.checked : true);
    lecture.note = -1;     // the last note started
    lecture.joue = null;   // the element highlighted
  };
  lance();
  this.o.joue.disabled = true;
  this.o.arrete.disabled = false;
  // Sounds are scheduled 1.5 s ahead, every 200 ms (timers go on in a tab
  // in the background, where frames stop).
  const planifie = function () {
    if (panneau.lecture !== lecture) return;
    const t = contexte.currentTime - lecture.depart;
    if (t >= lecture.programme.fin) {
      if (!etendue.boucle) { panneau.arrete(); return; }
      lecture.tour += 1;
      lance();
    }
    lecture.planificateur.jusqua(contexte.currentTime - lecture.depart + 1.5);
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
    clics: p.clics.filter(function (c) { return c.t >= d; }).map(function (c) { return { t: c.t - d, fort: c.fort }; }),
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
  l.contexte.close();
  this.partition.surligne([], [], "joue");
};
