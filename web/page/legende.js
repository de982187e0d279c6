// The notation at hand: the legend of every sign, and the palette that
// inserts one at the caret.
import { $, element } from "./commun.js";

// The values: [note, rest, value, name of the note, name of the rest].
const SIGNES = [
  ["o", "-", "1", "ronde", "pause"],
  ["d", "=", "1/2", "blanche", "demi-pause"],
  ["!", "<", "1/4", "noire", "soupir"],
  ["[", ">", "1/8", "croche", "demi-soupir"],
  ["f", "k", "1/16", "double croche", "quart de soupir"],
  ["t", "x", "1/32", "triple croche", "huitième de soupir"],
  ["q", "w", "1/64", "quadruple croche", "seizième de soupir"],
];
// The other signs: [sign, what it does].
const AUTRES = [
  [".", "point (prolonge de moitié)"], ["_", "liaison"], [" ", "fin du temps (espace)"],
  ["|", "barre de mesure"], ["||", "double barre finale"], ["(", "début de groupe (triolet…)"],
  [")3", "fin de triolet (chiffre de 2 à 7 : le genre du groupe)"], ["\n", "nouvelle ligne"],
  ["|:", "début de reprise"], [":|", "fin de reprise"], ["|1.", "première fin (|2. la deuxième…)"],
  ["3/4", "changement de mesure"], ["C", "mesure à 4/4 (C)"], ["C\\", "mesure à 2/2 (C barré)"],
];

// A sign as it shows: the blank and the new line made visible.
function vu(signe) { return signe === " " ? "␣" : signe === "\n" ? "↵" : signe; }

// modifie(): the text was changed without an input event.
export function construitLegende(modifie) {
  const corps = $("legende");
  SIGNES.forEach(function (s) {
    const tr = element("tr");
    const note = element("td");
    note.appendChild(element("code", "", s[0]));
    note.appendChild(document.createTextNode(" " + s[3]));
    const silence = element("td");
    silence.appendChild(element("code", "", s[1]));
    silence.appendChild(document.createTextNode(" " + s[4]));
    tr.appendChild(note);
    tr.appendChild(silence);
    tr.appendChild(element("td", "", s[2]));
    tr.appendChild(element("td", "", s[3] + " / " + s[4]));
    corps.appendChild(tr);
  });
  AUTRES.forEach(function (a) {
    const tr = element("tr");
    const td = element("td");
    td.appendChild(element("code", "", vu(a[0])));
    tr.appendChild(td);
    const quoi = element("td", "", a[1]);
    quoi.colSpan = 3;
    tr.appendChild(quoi);
    corps.appendChild(tr);
  });
  construitPalette(modifie);
}

function construitPalette(modifie) {
  const palette = $("palette");
  const bouton = function (signe, nom, classe) {
    const b = element("button", classe || "", vu(signe));
    b.type = "button";
    b.title = nom;
    b.setAttribute("aria-label", nom);
    b.dataset.signe = signe;
    // The caret stays in the text: the button takes no focus.
    b.addEventListener("mousedown", function (e) { e.preventDefault(); });
    b.addEventListener("click", function () { insere(signe, modifie); });
    palette.appendChild(b);
  };
  SIGNES.forEach(function (s) { bouton(s[0], s[3]); });
  palette.appendChild(element("span", "sep"));
  SIGNES.forEach(function (s) { bouton(s[1], s[4], "silence"); });
  palette.appendChild(element("span", "sep"));
  AUTRES.forEach(function (a) { bouton(a[0], a[1]); });
}

function insere(signe, modifie) {
  const t = $("texte");
  const a = t.selectionStart, b = t.selectionEnd;
  t.focus();
  // Through the editing commands, so that the browser's undo keeps it (the
  // input event then starts the analysis).
  if (!document.execCommand("insertText", false, signe)) {
    t.setRangeText(signe, a, b, "end");
    modifie();
  }
}
