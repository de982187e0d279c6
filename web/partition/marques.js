// What the score says beyond the notes: the checker's marks (▼ over a
// fault, ▽ over advice, in their colour; the faulty notes themselves are
// coloured by signes.js), the bars (clickable, dashed where the checker added
// one by count), the measure's words under it, and the marks' hover texts.
import { couleurs } from "./signes.js";
import { ligneType, lignesDeLegende } from "./mise_en_page.js";

const SVG = "http://www.w3.org/2000/svg";

export function elementSvg(nom, attributs, texte) {
  const e = document.createElementNS(SVG, nom);
  for (const a in attributs) e.setAttribute(a, attributs[a]);
  if (texte !== undefined) e.textContent = texte;
  return e;
}

// The marks on the elements of a measure: element -> its marks, faults
// first; one sign above the element stands for them all.
export function porteursDeMarques(m) {
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

// The sign of each marked element, above it, as a modifier of its note
// (before the notes are formatted). Returns [{ annotation, sorte }].
export function annoteLesNotes(VF, m, notes) {
  const signes = [];
  porteursDeMarques(m).forEach(function (ks, e) {
    const sorte = ks[0].sorte;
    const a = new VF.Annotation(sorte === "faute" ? "\u25BC" : "\u25BD");
    a.setVerticalJustification(VF.AnnotationVerticalJustify.TOP);
    a.setFont("Arial", 9);
    notes[e].addModifier(a, 0);
    signes.push({ annotation: a, sorte: sorte });
  });
  return signes;
}

// Once drawn: each sign in its group's colour, above the notes' hit areas.
export function finisLesSignes(groupe, signes) {
  signes.forEach(function (s) {
    const g = groupe.querySelector('[id="vf-' + s.annotation.getAttribute("id") + '"]');
    if (!g) return;
    g.classList.add("marque", s.sorte);
    g.querySelectorAll("text").forEach(function (t) { t.setAttribute("fill", couleurs[s.sorte]); });
    groupe.appendChild(g);
  });
}

// The end bar of measure m drawn on staff portee: a hit area, in the fault
// colour with its sign when a report is about it (right-aligned on the bar,
// clear of the next measure's number); dashed when the checker added it.
export function dessineLaBarre(groupe, m, portee) {
  if (m.barre.sorte === "aucune") return;
  const x = portee.getX() + portee.getWidth();
  const haut = portee.getYForLine(0), bas = portee.getYForLine(4);
  if (!m.barre.ecrite)
    groupe.appendChild(elementSvg("line", { x1: x - 0.5, x2: x - 0.5, y1: haut, y2: bas, class: "barre-ajoutee",
                                           stroke: "#555", "stroke-width": 1, "stroke-dasharray": "4 3" }));
  const sur = m.marques.filter(function (k) { return k.barre; });
  const sorte = sur.length === 0 ? "" : sur.some(function (k) { return k.sorte === "faute"; }) ? "faute" : "conseil";
  // Transparent unless a report is about it (the page's stylesheet colours
  // it under the caret; a copy printed or saved keeps these colours).
  groupe.appendChild(elementSvg("rect", { x: x - 7, y: haut, width: 9, height: bas - haut, stroke: "none",
                                          fill: sorte ? couleurs[sorte] : "transparent", "fill-opacity": sorte ? 0.55 : 0,
                                          class: "barre" + (sorte ? " " + sorte : "") }));
  if (sorte)
    groupe.appendChild(elementSvg("text", { x: x - 1, y: haut - 4, "text-anchor": "end", "font-size": 9, fill: couleurs[sorte], stroke: "none",
                                            class: "marque barre-marquee " + sorte }, sorte === "faute" ? "\u25BC" : "\u25BD"));
}

// How far the measure is from its length, in words, under it, wrapped to
// its width.
export function dessineLaLegende(groupe, m, x, largeur) {
  const texte = m.info && m.info.ecart;
  if (!texte) return;
  const t = elementSvg("text", { class: "ecart", "font-size": 11, "font-family": "Arial, sans-serif", stroke: "none", "text-anchor": "middle", fill: couleurs.faute });
  lignesDeLegende(texte, largeur).forEach(function (rang, k, rangs) {
    t.appendChild(elementSvg("tspan", { x: x + largeur / 2, y: ligneType.hauteur + 8 + k * ligneType.legende },
                             k + 1 < rangs.length ? rang + " " : rang));
  });
  groupe.appendChild(t);
  groupe.classList.add("fautive");
}

// The reports of each mark of measure m drawn in groupe, and its hover
// text: their messages.
export function titresDe(groupe, m, rapports) {
  const marques = groupe.querySelectorAll(".marque");
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
      t = elementSvg("title", {});
      g.insertBefore(t, g.firstChild);
    }
    t.textContent = (g.dataset.rapports || "").split(" ").map(function (j) {
      const r = rapports[+j];
      return r ? "m. " + r.mesure + " tps " + r.temps + " : " + r.message.replace(/\n\t/g, " ") : "";
    }).join("\n");
  });
}
