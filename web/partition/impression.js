// The score on paper and as a file: the whole piece laid out for an A4
// page (its lines numbered, under a title; the text and the reports as an
// option) in #impression, which only the print stylesheet shows (index.html);
// and the whole drawing as one SVG file.
import { Bravura } from "@rythme/bravura";
import { elementSvg } from "./marques.js";

// The width of a line of music on an A4 page with 15 mm margins, in CSS px,
// its number in the margin left of it.
export const largeurA4 = 640;

const SVG = "http://www.w3.org/2000/svg";

// The whole score as one SVG element, laid out largeur px wide: each line's
// drawing in place under the one before, the title above them if any.
export function svgDeLaPartition(partition, largeur, titre) {
  const tout = document.createElementNS(SVG, "svg");
  tout.setAttribute("xmlns", SVG);
  let y = 0;
  if (titre) {
    tout.appendChild(elementSvg("text", { x: largeur / 2, y: 24, "text-anchor": "middle", "font-size": 18,
                                          "font-family": "Arial, sans-serif" }, titre));
    y = 40;
  }
  for (const l of partition.lignesEntieres(largeur)) {
    l.svg.setAttribute("x", 0);
    l.svg.setAttribute("y", y);
    l.svg.removeAttribute("style");
    l.svg.setAttribute("width", l.largeur);
    l.svg.setAttribute("height", l.hauteur);
    tout.appendChild(l.svg);
    y += l.hauteur;
  }
  tout.setAttribute("width", largeur);
  tout.setAttribute("height", y);
  tout.setAttribute("viewBox", "0 0 " + largeur + " " + y);
  return tout;
}

// The SVG file of the score: its text, with the music font its glyphs are
// written in, so that it shows the same anywhere.
export function fichierSvg(partition, titre) {
  const svg = svgDeLaPartition(partition, largeurA4, titre);
  const style = elementSvg("style", {}, '@font-face { font-family: "Bravura"; src: url("' + Bravura + '") format("woff2"); }');
  svg.insertBefore(elementSvg("defs", {}), svg.firstChild).appendChild(style);
  return '<?xml version="1.0" encoding="UTF-8"?>\n' + new XMLSerializer().serializeToString(svg) + "\n";
}

// The title: the field's, or else the text's first line.
export function titreDe(champ, texte) {
  const t = champ && champ.value.trim();
  return t || texte.split("\n")[0].trim();
}

// Fills the print section: the title, the lines of music numbered, and as
// asked the text and the reports (a copy of the page's list).
// options: { titre, texte (or null), rapports (an element to copy, or null) }.
export function prepareImpression(section, partition, options) {
  section.textContent = "";
  const h = document.createElement("h1");
  h.textContent = options.titre;
  section.appendChild(h);
  partition.lignesEntieres(largeurA4).forEach(function (l, k) {
    const ligne = document.createElement("div");
    ligne.className = "ligne-imprimee";
    const n = document.createElement("span");
    n.className = "numero-ligne";
    n.textContent = String(k + 1);
    ligne.appendChild(n);
    l.svg.style.width = l.largeur + "px";
    l.svg.style.height = l.hauteur + "px";
    ligne.appendChild(l.svg);
    section.appendChild(ligne);
  });
  if (options.texte !== null) {
    const pre = document.createElement("pre");
    pre.className = "texte-imprime";
    pre.textContent = options.texte;
    section.appendChild(pre);
  }
  if (options.rapports) {
    const liste = options.rapports.cloneNode(true);
    liste.removeAttribute("id");
    liste.className = "rapports-imprimes";
    section.appendChild(liste);
  }
}
