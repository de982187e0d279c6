// A line of music drawn as one SVG: its measures side by side on one staff
// line, each in its own group (class "mesure", its notes and rests class
// "signe" with their element's index), numbered above its start; ties
// across bar lines drawn whole, and as half ties only where the line breaks.
import { annoteLesNotes, dessineLaBarre, dessineLaLegende, elementSvg, finisLesSignes } from "./marques.js";
import { ligneType } from "./mise_en_page.js";
import { noletsDe, notesDe, porteeDe, poutresDe, voixDe } from "./signes.js";

// Draws measures [ligne.premier, ligne.dernier] of mesures at their places
// into a new <div class="ligne">, and returns it. liee: the line starts
// with the end of a tie from the line before.
export function dessineLigne(VF, mesures, ligne, places, liee) {
  const div = document.createElement("div");
  div.className = "ligne";
  const renderer = new VF.Renderer(div, VF.Renderer.Backends.SVG);
  renderer.resize(ligne.largeur, ligne.hauteurDessin);
  const ctx = renderer.getContext();
  const svg = div.querySelector("svg");
  if (ligne.echelle < 1) {
    // Wider than the page: the whole drawing scaled down to fit.
    svg.setAttribute("viewBox", "0 0 " + ligne.largeur + " " + ligne.hauteurDessin);
    svg.setAttribute("width", Math.floor(ligne.largeur * ligne.echelle));
    svg.setAttribute("height", ligne.hauteur);
    svg.style.width = Math.floor(ligne.largeur * ligne.echelle) + "px";
    svg.style.height = ligne.hauteur + "px";
  }
  const dessinees = [];
  for (let i = ligne.premier; i <= ligne.dernier; i++)
    dessinees.push(dessineMesure(VF, ctx, svg, mesures[i], places[i], ligne.hauteurDessin));
  lieLesMesures(VF, ctx, dessinees, liee);
  return div;
}

// One measure in its group: the staff, the notes and what goes with them,
// the marks, the number (a click on it plays from there).
function dessineMesure(VF, ctx, svg, m, place, hauteur) {
  const groupe = ctx.openGroup();
  groupe.setAttribute("class", "mesure");
  groupe.appendChild(elementSvg("rect", { class: "fond", x: place.x, y: 0, width: place.largeur, height: hauteur, fill: "none", stroke: "none" }));
  const portee = porteeDe(VF, m, place.x, place.largeur, ligneType.porteeY);
  const [notes, marquees] = notesDe(VF, m);
  const signes = annoteLesNotes(VF, m, notes);
  portee.setContext(ctx).draw();
  if (notes.length > 0) {
    const poutres = poutresDe(VF, m, notes);
    const nolets = noletsDe(VF, m, notes);
    voixDe(VF, notes, portee).draw(ctx, portee);
    poutres.forEach(function (b) { b.setContext(ctx).draw(); });
    nolets.forEach(function (t) { t.setContext(ctx).draw(); });
  }
  // The ties within the measure.
  m.elements.forEach(function (e, i) {
    if (e.lie && i + 1 < notes.length) dessineLiaison(VF, ctx, notes[i], notes[i + 1]);
  });
  ctx.closeGroup();
  nommeLesNotes(groupe, m, notes, marquees);
  finisLesSignes(groupe, signes);
  dessineLaBarre(groupe, m, portee);
  dessineLaLegende(groupe, m, place.x, place.largeur);
  const numero = elementSvg("g", { class: "numero" });
  numero.appendChild(elementSvg("title", {}, "Jouer à partir de la mesure " + m.numero));
  numero.appendChild(elementSvg("text", { x: place.x + 3, y: portee.getYForLine(2) - 24, "font-size": 10,
                                          "font-family": "Arial, sans-serif", stroke: "none" }, String(m.numero)));
  groupe.appendChild(numero);
  return { m: m, notes: notes };
}

// Each note and rest names its element (the page's clicks and highlights
// find them so).
function nommeLesNotes(groupe, m, notes, marquees) {
  notes.forEach(function (n, i) {
    const g = groupe.querySelector('[id="vf-' + n.getAttribute("id") + '"]');
    if (!g) return;
    g.classList.add("signe");
    if (m.elements[i].silence) g.classList.add("silence");
    g.dataset.element = i;
    g.dataset.points = m.elements[i].points;
    if (marquees.has(i)) g.classList.add(marquees.get(i));
  });
}

// A tie from note a to note b (either null: a half tie at the line's edge).
// The tie that starts at a is the written one (class "liaison").
function dessineLiaison(VF, ctx, a, b) {
  const t = new VF.StaveTie({ firstNote: a, lastNote: b, firstIndexes: [0], lastIndexes: [0] });
  t.setContext(ctx).draw();
  const g = ctx.svg.querySelector('[id="vf-' + t.getAttribute("id") + '"]');
  if (g && a) g.classList.add("liaison");
}

// The ties from each measure's last note over its bar: whole to the next
// measure's first note, a half tie at the line's ends.
function lieLesMesures(VF, ctx, dessinees, liee) {
  if (liee && dessinees.length && dessinees[0].notes.length) dessineLiaison(VF, ctx, null, dessinees[0].notes[0]);
  dessinees.forEach(function (d, k) {
    const e = d.m.elements[d.m.elements.length - 1];
    if (!e || !e.lie) return;
    const suivante = dessinees[k + 1];
    dessineLiaison(VF, ctx, d.notes[d.notes.length - 1], suivante && suivante.notes.length ? suivante.notes[0] : null);
  });
}
