// The score drawn: the measures (mesures.js) laid out in lines of music
// (mise_en_page.js), each line one drawing (ligne.js). Only the lines in view
// (or nearly) are in the document, so a piece of any length costs only its
// arithmetic; a line is drawn when it first comes into view, and its
// drawing is kept while what it shows is unchanged, so that an edit redraws
// only the lines it changed. Lines that come into view many at once (a jump
// to a far measure) are drawn a few a frame, so that a key is never kept
// waiting behind the drawing of a whole panel.
import { cleDeMesure } from "./mesures.js";
import { dessineLigne } from "./ligne.js";
import { titresDe } from "./marques.js";
import { VexFlow } from "./vexflow.js";
import { metsEnPage } from "./mise_en_page.js";

// rappels: { note(mesure, element), barre(mesure), marque(rapport),
// numero(mesure) } for clicks; largeur: the lines' width, where it is not
// the panel's (a measure drawn alone, at its own width: Infinity).
export function Partition(conteneur, rappels, largeur) {
  this.conteneur = conteneur;
  this.largeurFixe = largeur;
  this.mesures = [];
  this.cles = [];             // by measure, made when its line is shown
  this.dessins = new Map();   // key -> line's div, drawn
  this.montrees = new Map();  // line index -> div, in the document
  this.montres = new Map();   // measure index -> its group, in the document
  this.page = { lignes: [], places: [], hauteur: 0 };
  this.surlignages = {};      // class -> { signes, mesures }
  this.lieeAuDebut = false;   // the first measure ends a tie from one not drawn here
  this.rapports = [];
  this.enAttente = null;      // the frame, then the task, that draws the lines still waiting, if asked for
  this.debutDuBudget = null;  // when this task began drawing lines
  this.etendue = document.createElement("div");
  this.etendue.className = "etendue";
  conteneur.appendChild(this.etendue);
  conteneur.addEventListener("click", function (ev) { clic(ev, rappels); });
  // The panel's size and scroll, as last seen: read when the browser has
  // laid the page out (on a scroll, a resize), never by an edit's redraw,
  // which would make it lay the whole page out again there and then.
  this.vue = null;
  this.defilementPrevu = false;  // the panel's scroll is to be written at the next frame
  const partition = this;
  let prevu = false;
  conteneur.addEventListener("scroll", function () {
    if (prevu) return;
    prevu = true;
    requestAnimationFrame(function () {
      prevu = false;
      // A scroll of ours still to be written stands.
      if (!partition.defilementPrevu) partition.regarde();
      partition.afficheVisibles(false);
    });
  });
  if (typeof ResizeObserver !== "undefined" && largeur === undefined)
    new ResizeObserver(function () {
      const largeur = partition.vue && partition.vue.largeur;
      partition.regarde();
      if (partition.vue.largeur === largeur) return;
      partition.place();
      partition.afficheVisibles();
    }).observe(conteneur);
}

Partition.prototype.regarde = function () {
  const c = this.conteneur;
  this.vue = { largeur: c.clientWidth, hauteur: c.clientHeight, haut: c.scrollTop };
};

// The panel's size and scroll.
Partition.prototype.vu = function () {
  if (this.vue === null) this.regarde();
  return this.vue;
};

Partition.tout = 60;  // measures: a piece this short is in the document whole, drawn at once
Partition.budget = 8;  // ms of drawing in one task: the lines past it wait for a next task

// One listener for the whole score: what was clicked is found by its classes.
function clic(ev, rappels) {
  const groupe = ev.target.closest && ev.target.closest(".mesure");
  if (!groupe) return;
  const i = +groupe.dataset.mesure;
  const marque = ev.target.closest(".marque");
  const signe = ev.target.closest(".signe");
  if (marque && marque.dataset.rapports) rappels.marque(+marque.dataset.rapports.split(" ")[0]);
  else if (ev.target.closest(".numero")) rappels.numero(i);
  else if (signe) rappels.note(i, +signe.dataset.element);
  else if (ev.target.closest("rect.barre")) rappels.barre(i);
  else return;
  ev.stopPropagation();
}

// lieeAuDebut: the first measure ends a tie from one not drawn here;
// suivie: the index of a measure to bring into view first, if any, so that
// the lines are drawn once, where the panel will stand.
Partition.prototype.dessine = function (mesures, lieeAuDebut = false, suivie = -1) {
  this.mesures = mesures;
  this.lieeAuDebut = lieeAuDebut;
  this.cles = new Array(mesures.length);
  this.place();
  if (suivie < 0 || !this.montre(suivie)) this.afficheVisibles();
  // Drawings not shown now are dropped.
  const gardees = new Set();
  this.montrees.forEach(function (div) { gardees.add(div.cle); });
  const dessins = this.dessins;
  dessins.forEach(function (div, cle) { if (!gardees.has(cle)) dessins.delete(cle); });
};

// The lines, as wide as the panel.
Partition.prototype.place = function () {
  this.page = metsEnPage(this.mesures, this.largeurFixe !== undefined ? this.largeurFixe : this.vu().largeur - 4);
  this.etendue.style.height = this.page.hauteur + "px";
};

// Whether line l starts with the end of a tie from the line before (the
// first line: from a measure not drawn here, as dessine was told).
Partition.prototype.lieeAvant = function (l) {
  const premier = this.page.lignes[l].premier;
  if (premier === 0) return this.lieeAuDebut;
  return finitParUneLiaison(this.mesures[premier - 1]);
};

// Whether measure m (if any) ends on a note tied to the next.
export function finitParUneLiaison(m) {
  return m !== undefined && m.elements.length > 0 && m.elements[m.elements.length - 1].lie;
}

// The key of line l's drawing: what it depends on (its measures, their
// places, its scale, a tie into it).
Partition.prototype.cleDe = function (l) {
  const ligne = this.page.lignes[l];
  const parties = [ligne.largeur, ligne.echelle, this.lieeAvant(l)];
  for (let i = ligne.premier; i <= ligne.dernier; i++) {
    if (this.cles[i] === undefined) this.cles[i] = cleDeMesure(this.mesures[i]);
    parties.push(this.page.places[i].largeur, this.cles[i]);
  }
  return parties.join("\u0001");
};

// Whether a line may still be drawn in this task. Whatever asks for lines
// (an edit, a scroll, the caret moving) shares one budget until the next
// task begins.
Partition.prototype.resteDuBudget = function () {
  const maintenant = performance.now();
  // A budget left open by a task whose end went unseen (its timer not yet run) is over.
  if (this.debutDuBudget === null || maintenant - this.debutDuBudget > 4 * Partition.budget) {
    this.debutDuBudget = maintenant;
    const partition = this;
    setTimeout(function () { partition.debutDuBudget = null; }, 0);
  }
  return maintenant - this.debutDuBudget < Partition.budget;
};

// The drawing of line l: kept, or made now if dessine; its measures
// numbered by their index. Not drawn: null.
Partition.prototype.dessinDe = function (l, dessine) {
  const cle = this.cleDe(l);
  let div = this.dessins.get(cle);
  if (div === undefined) {
    if (!dessine) return null;
    div = dessineLigne(VexFlow, this.mesures, this.page.lignes[l], this.page.places, this.lieeAvant(l));
    div.cle = cle;
    this.dessins.set(cle, div);
  }
  const premier = this.page.lignes[l].premier;
  div.querySelectorAll("svg > .mesure").forEach(function (g, k) { g.dataset.mesure = premier + k; });
  return div;
};

// The lines in view, or nearly: [first, last + 1).
Partition.prototype.visibles = function () {
  const lignes = this.page.lignes;
  if (this.mesures.length <= Partition.tout) return [0, lignes.length];
  const vue = this.vu();
  const haut = vue.haut - 150, bas = vue.haut + vue.hauteur + 150;
  let a = 0, b = lignes.length;
  while (a < b) {
    const milieu = (a + b) >> 1;
    if (lignes[milieu].y + lignes[milieu].hauteur < haut) a = milieu + 1; else b = milieu;
  }
  let fin = a;
  while (fin < lignes.length && lignes[fin].y <= bas) fin++;
  return [a, fin];
};

// Puts in the document the lines in view, or nearly, and takes out the rest.
// A line not drawn yet is drawn while this task's budget lasts (a short
// piece whole), unless dessine is false (a frame being made: its layout and
// paint are enough for it); the others stay blank until a task of their own
// draws them, apart from the frames.
Partition.prototype.afficheVisibles = function (dessine = true) {
  const boite = this.conteneur;
  const [debut, fin] = this.visibles();
  const montrees = new Map(), montres = new Map();
  const entier = this.mesures.length <= Partition.tout;
  let attente = false, dessinees = 0;
  for (let l = debut; l < fin; l++) {
    const avant = this.dessins.size;
    // Each call draws one line at least: the first it finds changed.
    const div = this.dessinDe(l, dessine && (entier || dessinees === 0 || this.resteDuBudget()));
    if (div === null) {
      attente = true;
      continue;
    }
    if (this.dessins.size !== avant) dessinees++;
    div.style.top = this.page.lignes[l].y + "px";
    if (div.parentNode !== boite) boite.appendChild(div);
    if (div.rapports !== this.rapports) this.titresDeLigne(div, l);
    montrees.set(l, div);
    div.querySelectorAll("svg > .mesure").forEach(function (g) { montres.set(+g.dataset.mesure, g); });
  }
  const gardees = new Set(montrees.values());
  this.montrees.forEach(function (div) { if (!gardees.has(div) && div.parentNode === boite) boite.removeChild(div); });
  this.montrees = montrees;
  this.montres = montres;
  if (attente && this.enAttente === null) {
    // After the next frame: each frame lays out and paints only the lines
    // one task drew.
    const partition = this;
    this.enAttente = requestAnimationFrame(function () {
      partition.enAttente = setTimeout(function () {
        partition.enAttente = null;
        partition.afficheVisibles();
      }, 0);
    });
  }
  // What is highlighted stays so on what comes into view.
  for (const classe in this.surlignages) {
    const s = this.surlignages[classe];
    this.appliqueSurlignage(s.signes, s.mesures, classe);
  }
};

// The reports of each mark, and its hover text. A drawing kept from the
// last analysis gets the reports of this one.
Partition.prototype.titres = function (rapports) {
  this.rapports = rapports;
  this.montrees.forEach(function (div, l) { this.titresDeLigne(div, l); }, this);
};

Partition.prototype.titresDeLigne = function (div, l) {
  const ligne = this.page.lignes[l];
  const groupes = div.querySelectorAll("svg > .mesure");
  for (let i = ligne.premier; i <= ligne.dernier; i++)
    if (this.mesures[i].marques.length > 0) titresDe(groupes[i - ligne.premier], this.mesures[i], this.rapports || []);
  div.rapports = this.rapports;
};

// Highlights signs: [{ mesure, element } or { mesure, barre: true }], and
// measures: [indices]. classe: "actif" (caret, selection) or "joue" (playback).
Partition.prototype.surligne = function (signes, mesures, classe) {
  this.surlignages[classe] = { signes: signes, mesures: mesures };
  this.appliqueSurlignage(signes, mesures, classe);
};

Partition.prototype.appliqueSurlignage = function (signes, mesures, classe) {
  this.conteneur.querySelectorAll("." + classe).forEach(function (e) { e.classList.remove(classe); });
  const montres = this.montres;
  signes.forEach(function (s) {
    const g = montres.get(s.mesure);
    if (!g) return;
    const e = s.barre ? g.querySelector("rect.barre") : g.querySelector('.signe[data-element="' + s.element + '"]');
    if (e) e.classList.add(classe);
  });
  mesures.forEach(function (i) { const g = montres.get(i); if (g) g.classList.add(classe); });
};

// Scrolls the score, as little as brings measure i's line into view, and
// shows the lines there; false if it was in view already. The panel's
// scroll is written at the next frame, which lays the page out anyway:
// written now, it would make the browser lay out there and then all that
// was just drawn.
Partition.prototype.montre = function (i) {
  const place = this.page.places[i];
  if (!place) return false;
  const ligne = this.page.lignes[place.ligne];
  const vue = this.vu();
  let haut = vue.haut;
  if (ligne.y < haut) haut = ligne.y - 4;
  else if (ligne.y + ligne.hauteur > haut + vue.hauteur) haut = Math.min(ligne.y - 4, ligne.y + ligne.hauteur - vue.hauteur + 4);
  haut = Math.max(0, Math.min(haut, this.page.hauteur - vue.hauteur));
  if (haut === vue.haut) return false;
  vue.haut = haut;
  if (!this.defilementPrevu) {
    this.defilementPrevu = true;
    const partition = this;
    requestAnimationFrame(function () {
      partition.defilementPrevu = false;
      if (partition.vue !== null) partition.conteneur.scrollTop = partition.vue.haut;
    });
  }
  this.afficheVisibles();
  return true;
};

// The whole score as drawings of its lines, none of them in the document
// (for printing and saving), laid out largeur px wide:
// [{ svg (a copy), hauteur }].
Partition.prototype.lignesEntieres = function (largeur) {
  const page = metsEnPage(this.mesures, largeur);
  const mesures = this.mesures;
  return page.lignes.map(function (ligne) {
    const div = dessineLigne(VexFlow, mesures, ligne, page.places, finitParUneLiaison(mesures[ligne.premier - 1]));
    return { svg: div.querySelector("svg"), largeur: Math.min(largeur, ligne.largeur), hauteur: ligne.hauteur };
  });
};
