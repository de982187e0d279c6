// Where things stand in the score's measures (mesures.js): the checker's
// reports on the notes and bars they are about, and the sign at a
// character of the text.

// The first measure whose signs reach character o or past it (measures come
// in reading order).
function premiereMesureVers(mesures, o) {
  let bas = 0, haut = mesures.length;
  while (bas < haut) {
    const milieu = (bas + haut) >> 1;
    if (mesures[milieu].finMax < o) bas = milieu + 1; else haut = milieu;
  }
  return bas;
}

// What each report is about in the score: the elements or the bar whose
// characters it covers; failing that, the elements of its measure and beat;
// failing that, its measure. Reports of what the checker inferred and of the
// end of the analysis are left to the text. Adds to each measure's marques:
// { rapport, elements: [indices], barre: bool, sorte }.
export function marqueLesRapports(mesures, rapports) {
  const parNumero = new Map();
  for (const m of mesures) if (!parNumero.has(m.numero)) parNumero.set(m.numero, m);
  for (const m of mesures) m.marques = [];
  rapports.forEach(function (r, i) {
    const sorte = sorteDuRapport(r);
    if (sorte === null) return;
    const couvre = function (a, b) {
      if (a < 0) return false;
      if (r.debut === r.fin) return a <= r.debut && r.debut < b;
      return a < r.fin && r.debut < b;
    };
    for (let j = premiereMesureVers(mesures, r.debut); j < mesures.length; j++) {
      const m = mesures[j];
      if (m.debut > Math.max(r.fin, r.debut)) break;
      const elements = [];
      m.elements.forEach(function (e, k) { if (couvre(e.debut, e.fin)) elements.push(k); });
      const barre = m.barre.ecrite && couvre(m.barre.debut, m.barre.fin);
      if (elements.length || barre) {
        m.marques.push({ rapport: i, elements: elements, barre: barre, sorte: sorte });
        return;
      }
    }
    const m = parNumero.get(r.mesure);
    if (m === undefined) return;
    const elements = [];
    m.elements.forEach(function (e, k) { if (e.temps === r.temps) elements.push(k); });
    m.marques.push({ rapport: i, elements: elements, barre: false, sorte: sorte });
  });
}

// "faute" or "conseil" for a report drawn on the score, by its kind (or the
// page's class of it: a report "en cours" at the end of the text being typed
// is not drawn); null for one that is not drawn (what the checker inferred,
// the end of the analysis).
function sorteDuRapport(r) {
  const classe = r.classe !== undefined ? r.classe : r.nature;
  if (classe === "faute" || classe === "correction") return "faute";
  if (classe === "conseil") return "conseil";
  return null;
}

// The element or bar at character o: { mesure, element } or { mesure, barre: true }.
export function signeSous(mesures, o) {
  for (let i = premiereMesureVers(mesures, o + 1); i < mesures.length; i++) {
    const m = mesures[i];
    if (m.debut > o) break;
    for (let k = 0; k < m.elements.length; k++) {
      const e = m.elements[k];
      if (e.debut <= o && o < e.fin) return { mesure: i, element: k };
    }
    if (m.barre.ecrite && m.barre.debut <= o && o < m.barre.fin) return { mesure: i, barre: true };
  }
  return null;
}

