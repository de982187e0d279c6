// The examples' menu: the shipped examples (written into the page by the
// build, with the command line each one is checked with), by what they show.
import { EXEMPLES } from "@rythme/exemples";
import { element } from "./commun.js";

const TITRES = {
  "quatre_temps.txt": "Une pièce juste à 4/4 : noires, croches, liaison, triolet, silences",
  "valse.txt": "Une valse à 3/4 comptée à la noire",
  "six_huit.txt": "Du 6/8 en deux temps, avec un duolet",
  "changements.txt": "Des changements de mesure dans le texte : 4/4, 3/4, 2/4, C, C barré, 6/8",
  "triolets_liaisons.txt": "Groupes et liaisons, dans la mesure et par-dessus la barre",
  "reprises.txt": "Signes de reprise et fins alternatives",
  "fautes.txt": "Fautes typiques : barres précoces et tardives, valeur trop pointée…",
};

// The menu filled; choisi(e): an example chosen, { nom, mots, quoi, texte }.
export function construitMenu(menu, choisi) {
  EXEMPLES.forEach(function (e, i) {
    const o = element("option", "", TITRES[e.nom] || e.nom);
    o.value = i;
    o.title = e.nom + (e.mots.length ? " (rythme " + e.mots.join(" ") + ")" : "") + " : " + e.quoi;
    menu.appendChild(o);
  });
  menu.addEventListener("change", function () { if (menu.value !== "") choisi(EXEMPLES[+menu.value]); });
}

export function premierExemple() { return EXEMPLES[0]; }
