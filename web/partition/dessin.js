// The score drawn: the measures (mesures.js) mapped to VexFlow's objects,
// one small drawing per measure, so that an edit redraws only the measures
// it changed.
import VexFlow from "vexflow/bravura";
import { cleDeMesure } from "./mesures.js";

// The marks on the elements of a measure: element -> its marks, faults
// first; one sign above the element stands for them all.
function porteursDeMarques(m) {
  const porteurs = new Map();
  m.marques.forEach(function (k) {
    if (k.elements.length === 0) return;
    const e = k.elements[0];
    if (!porteurs.has(e)) porteurs.set(e, []);
    porteurs.get(e).push(k);
  });
  porteurs.forEach(function (ks) {
    ks.sort(function (x, y) { return (x.sorte === "faute" ? 0 : 1) - (y.sorte === "faute" ? 0 : 1) || x.rapport - y.rapport; });
  });
  return porteurs;
}

// The colours of faults and advice, as the text's marks have them (index.html).
const couleurs = { faute: "#b03226", conseil: "#2f5d8a" };

// VexFlow's durations by plain value in quads.
const durees = { 64: "w", 32: "h", 16: "q", 8: "8", 4: "16", 2: "32", 1: "64" };

// Draws the measures into conteneur, one <div class="mesure"> each, holding
// an SVG, in lines that fill the container's width. Only the lines in view
// (or nearly) are in the document, so a piece of any length costs only its
// arithmetic; a measure is drawn when it first comes into view, and its
// drawing is kept while its key is unchanged.
// rappels: { note(mesure, element), barre(mesure), marque(rapport) } for clicks.
export function Partition(conteneur, rappels) {
  this.conteneur = conteneur;
  this.rappels = rappels;
  this.mesures = [];
  this.cles = [];
  this.dessins = new Map();   // key -> div, drawn
  this.montres = new Map();   // index -> div, in the document
  this.lignes = [];           // { premier, dernier, y, hauteur }
  this.places = [];           // by measure: { x, ligne }
  this.surlignages = {};      // class -> { signes, mesures }
  this.rapports = [];
  this.etendue = document.createElement("div");
  this.etendue.className = "etendue";
  conteneur.appendChild(this.etendue);
  const partition = this;
  let prevu = false;
  conteneur.addEventListener("scroll", function () {
    if (prevu) return;
    prevu = true;
    requestAnimationFrame(function () { prevu = false; partition.afficheVisibles(); });
  });
  let largeur = 0;
  if (typeof ResizeObserver !== "undefined")
    new ResizeObserver(function () {
      if (conteneur.clientWidth === largeur) return;
      largeur = conteneur.clientWidth;
      partition.place();
      partition.afficheVisibles();
    }).observe(conteneur);
}

Partition.hauteur = 100;       // px, a line
Partition.tout = 60;           // measures: a piece this short is in the document whole
Partition.marge = 8;           // px left of each line: the measure number stands out to the left

Partition.prototype.dessine = function (mesures) {
  for (let i = 0; i < mesures.length; i++) {
    // Ties that cross the bar line are drawn as half ties on each side.
    const p = i > 0 ? mesures[i - 1] : null;
    mesures[i].lieeDeLaPrecedente = p !== null && p.elements.length > 0 && p.elements[p.elements.length - 1].lie;
  }
  this.mesures = mesures;
  this.cles = new Array(mesures.length);  // made when a measure is shown
  this.place();
  this.afficheVisibles();
  // Drawings not shown now are dropped.
  const gardees = new Set();
  this.montres.forEach(function (div, i) { gardees.add(this.cles[i]); }, this);
  const dessins = this.dessins;
  dessins.forEach(function (div, cle) { if (!gardees.has(cle)) dessins.delete(cle); });
};

// The key of measure i's drawing: what the drawing depends on, its place
// among the measures included.
Partition.prototype.cleDe = function (i) {
  if (this.cles[i] === undefined)
    this.cles[i] = i + (this.mesures[i].lieeDeLaPrecedente ? "<" : ":") + cleDeMesure(this.mesures[i]);
  return this.cles[i];
};

// The lines: the measures one after the other, a new line where the next
// would not fit.
Partition.prototype.place = function () {
  const largeur = Math.max(120, this.conteneur.clientWidth - 10);
  const lignes = [], places = [];
  const marge = Partition.marge;
  let ligne = null, x = marge, y = 0;
  for (let i = 0; i < this.mesures.length; i++) {
    const m = this.mesures[i];
    const w = largeurDeMesure(m) + 2;
    if (ligne === null || (x > marge && x + w > largeur)) {
      if (ligne !== null) y += ligne.hauteur;
      ligne = { premier: i, dernier: i, y: y, hauteur: Partition.hauteur };
      lignes.push(ligne);
      x = marge;
    }
    ligne.dernier = i;
    // The gap in words, under the measure: some 6 px a character, 14 px a line.
    if (m.info && m.info.ecart)
      ligne.hauteur = Math.max(ligne.hauteur, Partition.hauteur + 14 * Math.ceil(m.info.ecart.length * 6 / w));
    places.push({ x: x, ligne: lignes.length - 1 });
    x += w;
  }
  this.lignes = lignes;
  this.places = places;
  this.etendue.style.height = (ligne !== null ? ligne.y + ligne.hauteur : 0) + "px";
};

// The drawing of measure i: kept, or made now.
Partition.prototype.dessinDe = function (i) {
  const cle = this.cleDe(i);
  let div = this.dessins.get(cle);
  if (div === undefined) {
    div = document.createElement("div");
    div.className = "mesure";
    div.dataset.mesure = i;
    this.dessineMesure(VexFlow, this.mesures[i], this.mesures[i].lieeDeLaPrecedente, div);
    this.dessins.set(cle, div);
  }
  return div;
};

// Puts in the document the lines in view, or nearly, and takes out the rest.
Partition.prototype.afficheVisibles = function () {
  const boite = this.conteneur;
  const tout = this.mesures.length <= Partition.tout;
  const haut = tout ? -Infinity : boite.scrollTop - 150;
  const bas = tout ? Infinity : boite.scrollTop + boite.clientHeight + 150;
  const lignes = this.lignes;
  let bas_ = 0, haut_ = lignes.length;
  while (bas_ < haut_) {
    const milieu = (bas_ + haut_) >> 1;
    if (lignes[milieu].y + lignes[milieu].hauteur < haut) bas_ = milieu + 1; else haut_ = milieu;
  }
  const montres = new Map();
  for (let l = bas_; l < lignes.length && lignes[l].y <= bas; l++) {
    for (let i = lignes[l].premier; i <= lignes[l].dernier; i++) {
      const div = this.dessinDe(i);
      div.dataset.mesure = i;
      div.style.left = this.places[i].x + "px";
      div.style.top = lignes[l].y + "px";
      if (div.parentNode !== boite) boite.appendChild(div);
      if (div.rapports !== this.rapports && this.mesures[i].marques.length > 0) this.titresDe(div, i);
      div.rapports = this.rapports;
      montres.set(i, div);
    }
  }
  const gardes = new Set(montres.values());
  this.montres.forEach(function (div) { if (!gardes.has(div) && div.parentNode === boite) boite.removeChild(div); });
  this.montres = montres;
  // What is highlighted stays so on what comes into view.
  for (const classe in this.surlignages) {
    const s = this.surlignages[classe];
    this.appliqueSurlignage(s.signes, s.mesures, classe);
  }
};

// The width a measure's drawing takes: its notes, their dots, its signs.
function largeurDeMesure(m) {
  let largeur = 26;
  for (const e of m.elements) largeur += 22 + 6 * e.points;
  if (m.elements.length === 0) largeur += 30;
  if (m.montreMetre) largeur += 28;
  if (m.reprise) largeur += 14;
  if (m.barre.sorte === "reprise") largeur += 14;
  return Math.max(largeur, 70);
}

Partition.prototype.dessineMesure = function (VF, m, lieeDeLaPrecedente, div) {
  const hauteur = 100;
  // The notes first: their number sets the width.
  const notes = m.elements.map(function (e) {
    const n = new VF.StaveNote({ keys: ["b/4"], duration: durees[e.base] + (e.silence ? "r" : ""), dots: e.points,
                                 autoStem: false, stemDirection: 1 });
    for (let k = 0; k < e.points; k++) VF.Dot.buildAndAttach([n], { all: true });
    return n;
  });
  const marquees = new Map();  // element -> sorte
  m.marques.forEach(function (k) {
    k.elements.forEach(function (i) { if (marquees.get(i) !== "faute") marquees.set(i, k.sorte); });
  });
  marquees.forEach(function (sorte, i) {
    const couleur = couleurs[sorte];
    notes[i].setStyle({ fillStyle: couleur, strokeStyle: couleur });
  });
  // The first element of each mark carries its sign.
  const signes = [];
  porteursDeMarques(m).forEach(function (ks, e) {
    const sorte = ks[0].sorte;
    const a = new VF.Annotation(sorte === "faute" ? "\u25BC" : "\u25BD");
    a.setVerticalJustification(VF.AnnotationVerticalJustify.TOP);
    a.setFont("Arial", 9);
    const couleur = couleurs[sorte];
    a.setStyle({ fillStyle: couleur, strokeStyle: couleur });
    notes[e].addModifier(a, 0);
    signes.push({ annotation: a });
  });

  const largeur = largeurDeMesure(m);

  div.style.width = largeur + 2 + "px";
  const renderer = new VF.Renderer(div, VF.Renderer.Backends.SVG);
  renderer.resize(largeur + 2, hauteur);
  const ctx = renderer.getContext();
  const stave = new VF.Stave(0, 22, largeur);
  stave.setConfigForLines([{ visible: false }, { visible: false }, { visible: true }, { visible: false }, { visible: false }]);
  if (m.montreMetre) stave.addTimeSignature(m.signature);
  if (m.reprise) stave.setBegBarType(VF.BarlineType.REPEAT_BEGIN);
  else stave.setBegBarType(VF.BarlineType.NONE);
  const fins = { simple: VF.BarlineType.SINGLE, finale: VF.BarlineType.END, reprise: VF.BarlineType.REPEAT_END, aucune: VF.BarlineType.NONE };
  stave.setEndBarType(fins[m.barre.sorte]);
  if (m.ordinal > 0) stave.setVoltaType(VF.VoltaType.BEGIN, m.ordinal + ".", 14);
  stave.setContext(ctx).draw();
  // The measure number, inside its own drawing: drawn by the staff it would
  // stand left of x = 0 and lose its first digits from 10 on.
  ctx.save();
  ctx.setFont("Arial", 10);
  ctx.fillText(String(m.numero), 2, stave.getYForLine(2) - 24);  // above a time signature
  ctx.restore();

  if (notes.length > 0) {
    const voix = new VF.Voice({ numBeats: 4, beatValue: 4 }).setMode(VF.Voice.Mode.SOFT);
    voix.addTickables(notes);
    // Beams by beat, as the checker grouped the values; in a ternary meter
    // counted in its sub-beats (6/8 in eighths), by the compound beat they make.
    const poutres = [];
    let suite = [];
    const ferme = function () { if (suite.length > 1) poutres.push(new VF.Beam(suite)); suite = []; };
    const metre = m.metre;
    const parSousTemps = metre && !metre.compose && metre.ennaire > 2;
    const battue = function (e) { return parSousTemps ? Math.floor((e.temps - 1) / metre.ennaire) : e.temps; };
    m.elements.forEach(function (e, i) {
      if (e.silence || e.base > 8) { ferme(); return; }
      if (suite.length > 0 && battue(m.elements[i - 1]) !== battue(e)) ferme();
      suite.push(notes[i]);
    });
    ferme();
    const nolets = m.groupes.filter(function (g) { return g.dernier >= g.premier; }).map(function (g) {
      const occupe = Math.max(1, Math.round(g.genre * g.valeur / Math.max(1, g.somme)));
      return new VF.Tuplet(notes.slice(g.premier, g.dernier + 1), { numNotes: g.genre, notesOccupied: occupe, bracketed: true });
    });
    new VF.Formatter().joinVoices([voix]).formatToStave([voix], stave);
    voix.draw(ctx, stave);
    poutres.forEach(function (b) { b.setContext(ctx).draw(); });
    nolets.forEach(function (t) { t.setContext(ctx).draw(); });
    const liaisons = [];
    m.elements.forEach(function (e, i) {
      if (!e.lie) return;
      liaisons.push(new VF.StaveTie({ firstNote: notes[i], lastNote: i + 1 < notes.length ? notes[i + 1] : null,
                                      firstIndexes: [0], lastIndexes: [0] }));
    });
    if (lieeDeLaPrecedente) liaisons.push(new VF.StaveTie({ firstNote: null, lastNote: notes[0], firstIndexes: [0], lastIndexes: [0] }));
    liaisons.forEach(function (t) { t.setContext(ctx).draw(); });
    this.liaisons = liaisons;
  } else {
    this.liaisons = [];
  }

  // Each note and rest names its element, each sign its report.
  const rappels = this.rappels;
  // The drawing is not in the document yet: its groups are found by their id.
  const groupe = function (e) { return div.querySelector('[id="vf-' + e.getAttribute("id") + '"]'); };
  this.liaisons.forEach(function (t) {
    // A tie that starts here (not the end of one from the measure before).
    const g = groupe(t);
    if (g && t.getNotes().firstNote) g.classList.add("liaison");
  });
  notes.forEach(function (n, i) {
    const g = groupe(n);
    if (!g) return;
    g.classList.add("signe");
    if (m.elements[i].silence) g.classList.add("silence");
    g.dataset.element = i;
    g.dataset.points = m.elements[i].points;
    if (marquees.has(i)) g.classList.add(marquees.get(i));
    g.addEventListener("click", function (ev) { ev.stopPropagation(); rappels.note(+div.dataset.mesure, i); });
  });
  const clicSurMarque = function (ev) {
    ev.stopPropagation();
    rappels.marque(+this.dataset.rapports.split(" ")[0]);
  };
  signes.forEach(function (s) {
    const g = groupe(s.annotation);
    if (!g) return;
    g.classList.add("marque");
    // Above the note's own hit area.
    div.querySelector("svg").appendChild(g);
    g.addEventListener("click", clicSurMarque);
  });
  // The end bar: clickable, and in the fault colour when a report is about it.
  const surBarre = m.marques.filter(function (k) { return k.barre; });
  const svg = div.querySelector("svg");
  if (m.barre.sorte !== "aucune") {
    const x = stave.getX() + stave.getWidth();
    const cible = document.createElementNS("http://www.w3.org/2000/svg", "rect");
    cible.setAttribute("x", x - 7);
    cible.setAttribute("y", stave.getYForLine(0));
    cible.setAttribute("width", 9);
    cible.setAttribute("height", stave.getYForLine(4) - stave.getYForLine(0));
    cible.setAttribute("class", "barre" + (surBarre.length ? " " + (surBarre.some(function (k) { return k.sorte === "faute"; }) ? "faute" : "conseil") : ""));
    cible.addEventListener("click", function (ev) { ev.stopPropagation(); rappels.barre(+div.dataset.mesure); });
    svg.appendChild(cible);
      if (surBarre.length > 0) {
      const sorte = surBarre.some(function (k) { return k.sorte === "faute"; }) ? "faute" : "conseil";
      const t = document.createElementNS("http://www.w3.org/2000/svg", "text");
      t.setAttribute("x", x - 4);
      t.setAttribute("y", stave.getYForLine(0) - 4);
      t.setAttribute("class", "marque barre-marquee " + sorte);
      t.textContent = sorte === "faute" ? "\u25BC" : "\u25BD";
      t.addEventListener("click", clicSurMarque);
      svg.appendChild(t);
    }
  }
  // How far the measure is from its length, in words.
  if (m.info && m.info.ecart) {
    const p = document.createElement("div");
    p.className = "ecart";
    p.textContent = m.info.ecart;
    div.appendChild(p);
    div.classList.add("fautive");
  }
  return div;
};

// The reports of each mark, and its hover text: their messages. A drawing
// kept from the last analysis gets the reports of this one.
Partition.prototype.titres = function (rapports) {
  this.rapports = rapports;
  const partition = this;
  this.montres.forEach(function (div, i) {
    if (partition.mesures[i].marques.length > 0) partition.titresDe(div, i);
    div.rapports = rapports;
  });
};

Partition.prototype.titresDe = function (div, i) {
  const m = this.mesures[i];
  const rapports = this.rapports || [];
  const marques = div.querySelectorAll(".marque");
  let k = 0;
  porteursDeMarques(m).forEach(function (ks) {
    if (marques[k]) marques[k].dataset.rapports = ks.map(function (x) { return x.rapport; }).join(" ");
    k++;
  });
  const surBarre = m.marques.filter(function (x) { return x.barre; });
  if (surBarre.length && marques[k]) marques[k].dataset.rapports = surBarre.map(function (x) { return x.rapport; }).join(" ");
  marques.forEach(function (g) {
    let t = g.querySelector("title");
    if (t === null) {
      t = document.createElementNS("http://www.w3.org/2000/svg", "title");
      g.insertBefore(t, g.firstChild);
    }
    t.textContent = (g.dataset.rapports || "").split(" ").map(function (j) {
      const r = rapports[+j];
      return r ? "m. " + r.mesure + " tps " + r.temps + " : " + r.message.replace(/\n\t/g, " ") : "";
    }).join("\n");
  });
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
    const div = montres.get(s.mesure);
    if (!div) return;
    const e = s.barre ? div.querySelector("rect.barre") : div.querySelector('.signe[data-element="' + s.element + '"]');
    if (e) e.classList.add(classe);
  });
  mesures.forEach(function (i) { const div = montres.get(i); if (div) div.classList.add(classe); });
};

// Scrolls the score so that measure i is in view.
Partition.prototype.montre = function (i) {
  const place = this.places[i];
  if (!place) return;
  const ligne = this.lignes[place.ligne];
  const boite = this.conteneur;
  // As little as brings its line into view.
  let haut = boite.scrollTop;
  if (ligne.y < haut) haut = ligne.y - 4;
  else if (ligne.y + ligne.hauteur > haut + boite.clientHeight) haut = Math.min(ligne.y - 4, ligne.y + ligne.hauteur - boite.clientHeight + 4);
  if (haut !== boite.scrollTop) {
    boite.scrollTop = Math.max(0, haut);
    this.afficheVisibles();
  }
};
