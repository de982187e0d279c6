// The score's measures, read from the checker's records: measure after
// measure as the checker cut them, each value as it was written, with the
// checker's faults on the notes and bar lines they are about (dessin.js
// draws them; the tests under node read them).
// ---------------------------------------------------------------------------
// The measures.
import { lisMesure } from "../pont.js";

// From the records of one analysis (signes, mesures, rapports; offsets in the
// text's characters) to the measures to draw: [{ numero, elements, groupes,
// barre, reprise, ordinal, changement, metre, signature, montreMetre, info,
// debut, fin, marques }].
// An element: { silence, base, points, valeur, lie, temps, groupe, debut,
// fin, duree (its length in quads, a tuplet's share included) }.
// The end bar: { sorte: "simple" | "finale" | "reprise" | "aucune", debut,
// fin, ecrite (false for the end of a measure closed by count) }.
export function mesuresDeLaPartition(r) {
  const infos = new Map();
  for (let i = 0; i < (r.nombre_de_mesures || 0); i++) { const m = lisMesure(r, i); infos.set(m.numero, m); }
  const mesures = [];
  let courante = null;  // the measure being filled, until its bar
  let attente = { reprise: false, ordinal: 0, changement: null, debut: -1 };  // for the next measure
  let groupe = null;
  const nouvelle = function (numero, debut) {
    courante = { numero: numero, elements: [], groupes: [], barre: null, reprise: attente.reprise,
                 ordinal: attente.ordinal, changement: attente.changement,
                 debut: attente.debut >= 0 ? attente.debut : debut, fin: debut, marques: [] };
    attente = { reprise: false, ordinal: 0, changement: null, debut: -1 };
    mesures.push(courante);
  };
  const derniere = function () { return mesures.length ? mesures[mesures.length - 1] : null; };
  const nombre = r.signes ? r.signes.length / r.par_signe : 0;
  for (let k = 0; k < nombre; k++) {
    const s = lisSigne(r, k);
    switch (s.signe) {
      case "valeur":
      case "ouverture":
        if (courante === null || courante.numero !== s.mesure) {
          if (courante !== null && courante.barre === null) courante.barre = { sorte: "simple", debut: -1, fin: -1, ecrite: false };
          nouvelle(s.mesure, s.debut);
        }
        courante.fin = Math.max(courante.fin, s.fin);
        if (s.signe === "ouverture") {
          groupe = { debut: s.debut, fin: s.fin, premier: courante.elements.length, dernier: -1, genre: 0, somme: 0, valeur: 0 };
          courante.groupes.push(groupe);
          break;
        }
        courante.elements.push({ silence: s.silence, base: s.base, points: s.points, valeur: s.valeur, lie: s.lie,
                                 temps: s.temps, debut: s.debut, fin: s.fin, duree: s.valeur,
                                 groupe: groupe !== null ? courante.groupes.length - 1 : -1 });
        break;
      case "fermeture":
        if (courante !== null && groupe !== null) {
          groupe.dernier = courante.elements.length - 1;
          groupe.somme = s.somme;
          groupe.valeur = s.valeur;
          groupe.genre = s.genre;
          groupe.fin = s.fin;
          courante.fin = Math.max(courante.fin, s.fin);
          // Each element takes its share of the group's value.
          for (let i = groupe.premier; i <= groupe.dernier; i++)
            courante.elements[i].duree = groupe.somme > 0 ? courante.elements[i].valeur * groupe.valeur / groupe.somme : 0;
          if (s.lie && groupe.dernier >= 0) courante.elements[groupe.dernier].lie = true;
        }
        groupe = null;
        break;
      case "barre":
      case "barre_liee":
      case "double_barre": {
        const sorte = s.signe === "double_barre" ? "finale" : "simple";
        if (courante !== null && courante.barre === null) {
          courante.barre = { sorte: sorte, debut: s.debut, fin: s.fin, ecrite: true };
          courante.fin = Math.max(courante.fin, s.fin);
          courante = null;
        } else {
          const m = courante || derniere();
          // A bar after a bar: the first one was the measure's, this one ends the text.
          if (m !== null && sorte === "finale") m.barre = { sorte: "finale", debut: s.debut, fin: s.fin, ecrite: true };
          else if (attente.debut < 0) attente.debut = s.debut;
          courante = null;
        }
        groupe = null;
        break;
      }
      case "debut_reprise":
        attente.reprise = true;
        if (attente.debut < 0) attente.debut = s.debut;
        break;
      case "fin_reprise": {
        const m = courante || derniere();
        if (m !== null) {
          const finale = m.barre !== null && m.barre.sorte === "finale";
          m.barre = { sorte: "reprise", debut: m.barre && m.barre.debut >= 0 ? m.barre.debut : s.debut, fin: s.fin, ecrite: true, finale: finale };
          m.fin = Math.max(m.fin, s.fin);
        }
        courante = null;
        break;
      }
      case "ordinal":
        attente.ordinal = s.numero;
        if (attente.debut < 0) attente.debut = s.debut;
        break;
      case "changement":
        attente.changement = { numerateur: s.numerateur, denominateur: s.denominateur, c: s.c, debut: s.debut, fin: s.fin };
        if (attente.debut < 0) attente.debut = s.debut;
        break;
    }
  }
  // The meter of each measure, as the checker listed it; a measure the text
  // left unfinished keeps the one before.
  let precedente = null;
  for (const m of mesures) {
    const info = infos.get(m.numero) || null;
    m.info = info;
    const metre = info !== null && info.denominateur > 0 && info.temps.length > 0
      ? { numerateur: info.numerateur, denominateur: info.denominateur, valTps: info.valTps, nbrTps: info.temps.length,
          ennaire: info.ennaire, compose: info.compose,
          forts: info.temps.map(function (t) { return t[2] ? "F" : "f"; }).join("") }
      : precedente;
    m.metre = metre;
    // A meter of 99 beats has no numerator to write: no time signature.
    let signature = "";
    if (metre !== null && metre.numerateur > 0) {
      signature = metre.numerateur + "/" + metre.denominateur;
      if (m.changement !== null && m.changement.c) signature = m.changement.denominateur === 2 ? "C|" : "C";
      // C and C barred stay written so until the text changes the meter.
      else if (m.changement === null && precedente !== null && (precedente.signature === "C" || precedente.signature === "C|") &&
               precedente.numerateur === metre.numerateur && precedente.denominateur === metre.denominateur)
        signature = precedente.signature;
    }
    const avant = precedente === null ? "" : precedente.signature;
    m.signature = signature;
    m.montreMetre = signature !== "" && (precedente === null || m.changement !== null || signature !== avant);
    if (metre !== null) precedente = Object.assign({}, metre, { signature: signature });
    if (m.barre === null) m.barre = { sorte: "aucune", debut: -1, fin: -1, ecrite: false };
  }
  // How far the text is read by each measure's end, never going back.
  let finMax = -1;
  for (const m of mesures) {
    finMax = Math.max(finMax, m.fin, m.barre.fin);
    m.finMax = finMax;
  }
  return mesures;
}

// Sign k of the records' table (see web/entree.cc), with its members named.
export function lisSigne(r, k) {
  const t = r.signes, a = k * r.par_signe;
  const s = { signe: r.noms_des_signes[t[a]], mesure: t[a + 1], temps: t[a + 2], debut: t[a + 3], fin: t[a + 4] };
  switch (s.signe) {
    case "valeur":
      s.base = t[a + 5]; s.points = t[a + 6]; s.silence = t[a + 7] === 1; s.valeur = t[a + 8]; s.lie = t[a + 9] === 1;
      break;
    case "fermeture":
      s.somme = t[a + 5]; s.valeur = t[a + 6]; s.genre = t[a + 7]; s.lie = t[a + 8] === 1;
      break;
    case "ordinal":
      s.numero = t[a + 5];
      break;
    case "changement":
      s.numerateur = t[a + 5]; s.denominateur = t[a + 6]; s.c = t[a + 7] === 1;
      break;
  }
  return s;
}

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

// What the drawing of a measure depends on: equal keys, equal drawings.
export function cleDeMesure(m) {
  return JSON.stringify([m.numero, m.signature, m.montreMetre, m.reprise, m.ordinal, m.barre.sorte, !!m.barre.finale,
    m.elements.map(function (e) { return [e.silence, e.base, e.points, e.lie, e.temps, e.groupe]; }),
    m.groupes.map(function (g) { return [g.premier, g.dernier, g.genre, g.somme, g.valeur]; }),
    m.marques.map(function (k) { return [k.elements, k.barre, k.sorte]; }),
    m.info ? m.info.ecart : ""]);
}
