// The score panel of the page: the score drawn from each analysis, kept in
// step with the text (a click on a note selects its characters, the caret
// and the selection highlight what they stand on), and the playback.
//   const p = new PanneauPartition({ partition, tempo, joue, arrete, boucle,
//     texte (the text area), selectionneRapport(i) });
//   p.montre(r)  after each analysis (r: the records, offsets in the text's
//                characters, r.texte the text analysed)
"use strict";

function PanneauPartition(o) {
  const panneau = this;
  this.o = o;
  this.r = null;
  this.mesures = [];
  this.lecture = null;  // { contexte, noeuds, minuterie, programme, depart }
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
    let s = signeEnOctet(this.mesures, a);
    if (s === null && a > 0) s = signeEnOctet(this.mesures, a - 1);
    this.partition.surligne(s ? [s] : [], [], "actif");
    if (s) {
      this.depuis = s.mesure;
      this.partition.montre(s.mesure);
    }
    return;
  }
  const couvertes = [];
  this.mesures.forEach(function (m, i) { if (m.debut < b && a < m.fin) couvertes.push(i); });
  this.partition.surligne([], couvertes, "actif");
  if (couvertes.length) this.depuis = couvertes[0];
};

// The measures to play: the selected ones, looped, or from the clicked one.
PanneauPartition.prototype.etendue = function () {
  const t = this.o.texte;
  if (t.selectionStart !== t.selectionEnd && this.r !== null) {
    const a = t.selectionStart, b = t.selectionEnd;
    const couvertes = [];
    this.mesures.forEach(function (m, i) { if (m.debut < b && a < m.fin) couvertes.push(i); });
    if (couvertes.length) return { depuis: couvertes[0], jusqua: couvertes[couvertes.length - 1], boucle: this.o.boucle.checked };
  }
  return { depuis: this.depuis, jusqua: this.mesures.length - 1, boucle: false };
};

PanneauPartition.prototype.programme = function () {
  const e = this.etendue();
  const tempo = Math.min(400, Math.max(20, +this.o.tempo.value || 60));
  return { etendue: e, programme: programmeDeLecture(this.mesures, tempo, e.depuis, e.jusqua) };
};

PanneauPartition.prototype.joue = function () {
  this.arrete();
  if (this.mesures.length === 0) return;
  const Contexte = window.AudioContext || window.webkitAudioContext;
  const contexte = new Contexte();
  const { etendue, programme } = this.programme();
  const lecture = { contexte: contexte, programme: programme, etendue: etendue, noeuds: [], minuterie: null, tour: 0 };
  this.lecture = lecture;
  this.dernierProgramme = programme;
  const panneau = this;
  const lance = function () {
    lecture.depart = contexte.currentTime + 0.1;
    // After the first round, a loop goes on without its count-in.
    const p = lecture.tour === 0 ? programme : decale(programme);
    lecture.noeuds = joueProgramme(contexte, p, lecture.depart, panneau.o.metronome ? panneau.o.metronome.checked : true);
    lecture.suivi = p;
  };
  lance();
  this.o.joue.disabled = true;
  this.o.arrete.disabled = false;
  const suit = function () {
    if (panneau.lecture !== lecture) return;
    const p = lecture.suivi;
    const t = contexte.currentTime - lecture.depart;
    if (t >= p.fin) {
      if (etendue.boucle) { lecture.tour += 1; lance(); }
      else { panneau.arrete(); return; }
    } else {
      let joue = null;
      for (const n of p.notes) {
        if (n.t > t) break;
        for (const e of n.elements) if (e.t <= t) joue = e;
      }
      // A rest being played: nothing is highlighted.
      const courante = p.mesures.find(function (m) { return m.t <= t && t < m.t + m.duree; });
      if (joue !== null && courante && joue.mesure !== courante.mesure) joue = null;
      if (joue !== null) {
        const el = panneau.mesures[joue.mesure].elements[joue.element];
        panneau.partition.surligne([{ mesure: joue.mesure, element: joue.element }], [], "joue");
        panneau.partition.montre(joue.mesure);
        panneau.o.texte.setSelectionRange(el.debut, el.fin);
      } else {
        panneau.partition.surligne([], [], "joue");
      }
    }
    lecture.minuterie = requestAnimationFrame(suit);
  };
  lecture.minuterie = requestAnimationFrame(suit);

  function decale(p) {
    // The same measures without the count-in.
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
};

PanneauPartition.prototype.arrete = function () {
  const l = this.lecture;
  this.lecture = null;
  this.o.joue.disabled = false;
  this.o.arrete.disabled = true;
  if (l === null) return;
  cancelAnimationFrame(l.minuterie);
  l.noeuds.forEach(function (n) { try { n.stop(); } catch (e) { /* already ended */ } });
  l.contexte.close();
  this.partition.surligne([], [], "joue");
};
