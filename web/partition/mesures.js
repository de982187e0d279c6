// The score's measures, read from the checker's records: measure after
// measure as the checker cut them, each value as it was written, with the
// checker's faults on the notes and bar lines they are about (dessin.js
// draws them; the tests under node read them).
// ---------------------------------------------------------------------------
// The measures.
import { lisMetreDeMesure } from "../pont.js";

export { marqueLesRapports, signeSous } from "./reperes.js";

// From the records of one analysis (signes, mesures, rapports; offsets in the
// text's characters) to the measures to draw: [{ numero, elements, groupes,
// barre, reprise, ordinal, changement, metre, signature, montreMetre, info,
// debut, fin, marques }].
// An element: { silence, base, points, valeur, lie, temps, groupe, debut,
// fin, duree (its length in quads, a tuplet's share included) }.
// The end bar: { sorte: "simple" | "finale" | "reprise" | "aucune", debut,
// fin, ecrite (false for the end of a measure closed by count) }.
export function mesuresDeLaPartition(r) {
  const lecteur = new Lecteur();
  const nombre = r.signes ? r.signes.length / r.par_signe : 0;
  for (let k = 0; k < nombre; k++) {
    const s = lisSigne(r, k);
    const lis = lecteur[s.signe];
    if (lis) lis.call(lecteur, s);
  }
  const mesures = lecteur.mesures;
  const listees = [];
  for (let i = 0; i < (r.nombre_de_mesures || 0); i++) listees.push(lisMetreDeMesure(r, i));
  fixeLesMetres(mesures, listees);
  fixeLesVoltas(mesures, r.voltas || []);
  // How far the text is read by each measure's end, never going back.
  let finMax = -1;
  for (const m of mesures) {
    if (m.barre === null) m.barre = { sorte: "aucune", debut: -1, fin: -1, ecrite: false };
    finMax = Math.max(finMax, m.fin, m.barre.fin);
    m.finMax = finMax;
  }
  return mesures;
}

// Reads the signs one after the other into measures: one method per kind
// of sign.
function Lecteur() {
  this.mesures = [];
  this.courante = null;  // the measure being filled, until its bar
  this.groupe = null;    // the tuplet group open
  this.attente = Lecteur.rien();  // what stands before the next measure
}

Lecteur.rien = function () { return { reprise: false, ordinal: 0, changement: null, debut: -1 }; };

Lecteur.prototype.derniere = function () { return this.mesures.length ? this.mesures[this.mesures.length - 1] : null; };

// What stands before the next measure starts at character o, unless
// something before it did.
Lecteur.prototype.attend = function (o) { if (this.attente.debut < 0) this.attente.debut = o; };

// The measure that sign s is in, begun if need be: a measure the checker
// closed by count ends on a bar it added, which was not written.
Lecteur.prototype.mesureDe = function (s) {
  let m = this.courante;
  if (m !== null && m.numero === s.mesure) return m;
  if (m !== null && m.barre === null) m.barre = { sorte: "simple", debut: -1, fin: -1, ecrite: false };
  const a = this.attente;
  m = { numero: s.mesure, elements: [], groupes: [], barre: null, reprise: a.reprise, ordinal: a.ordinal,
        changement: a.changement, debut: a.debut >= 0 ? a.debut : s.debut, fin: s.debut, marques: [], volta: null };
  this.attente = Lecteur.rien();
  this.mesures.push(m);
  this.courante = m;
  return m;
};

Lecteur.prototype.ouverture = function (s) {
  const m = this.mesureDe(s);
  m.fin = Math.max(m.fin, s.fin);
  this.groupe = { debut: s.debut, fin: s.fin, premier: m.elements.length, dernier: -1, genre: 0, somme: 0, valeur: 0 };
  m.groupes.push(this.groupe);
};

Lecteur.prototype.valeur = function (s) {
  const m = this.mesureDe(s);
  m.fin = Math.max(m.fin, s.fin);
  m.elements.push({ silence: s.silence, base: s.base, points: s.points, valeur: s.valeur, lie: s.lie, temps: s.temps,
                    debut: s.debut, fin: s.fin, duree: s.valeur, groupe: this.groupe !== null ? m.groupes.length - 1 : -1 });
};

Lecteur.prototype.fermeture = function (s) {
  const m = this.courante, g = this.groupe;
  this.groupe = null;
  if (m === null || g === null) return;
  Object.assign(g, { dernier: m.elements.length - 1, somme: s.somme, valeur: s.valeur, genre: s.genre, fin: s.fin });
  m.fin = Math.max(m.fin, s.fin);
  // Each element takes its share of the group's value.
  for (let i = g.premier; i <= g.dernier; i++)
    m.elements[i].duree = g.somme > 0 ? m.elements[i].valeur * g.valeur / g.somme : 0;
  if (s.lie && g.dernier >= 0) m.elements[g.dernier].lie = true;
};

Lecteur.prototype.barre = function (s) {
  const sorte = s.signe === "double_barre" ? "finale" : "simple";
  const m = this.courante;
  if (m !== null && m.barre === null) {
    m.barre = { sorte: sorte, debut: s.debut, fin: s.fin, ecrite: true };
    m.fin = Math.max(m.fin, s.fin);
  } else {
    // A bar after a bar: the first one was the measure's, this one ends the text.
    const d = m || this.derniere();
    if (d !== null && sorte === "finale") d.barre = { sorte: "finale", debut: s.debut, fin: s.fin, ecrite: true };
    else this.attend(s.debut);
  }
  this.courante = null;
  this.groupe = null;
};
Lecteur.prototype.barre_liee = Lecteur.prototype.barre;
Lecteur.prototype.double_barre = Lecteur.prototype.barre;

Lecteur.prototype.debut_reprise = function (s) {
  this.attente.reprise = true;
  this.attend(s.debut);
};

Lecteur.prototype.fin_reprise = function (s) {
  const m = this.courante || this.derniere();
  if (m !== null) {
    const b = m.barre;
    m.barre = { sorte: "reprise", debut: b && b.debut >= 0 ? b.debut : s.debut, fin: s.fin, ecrite: true,
                finale: b !== null && b.sorte === "finale" };
    m.fin = Math.max(m.fin, s.fin);
  }
  this.courante = null;
};

Lecteur.prototype.ordinal = function (s) {
  this.attente.ordinal = s.numero;
  this.attend(s.debut);
};

Lecteur.prototype.changement = function (s) {
  this.attente.changement = { numerateur: s.numerateur, denominateur: s.denominateur, c: s.c, debut: s.debut, fin: s.fin };
  this.attend(s.debut);
};

// The meter of each measure, as the checker listed it (a measure the text
// left unfinished keeps the one before), and its time signature, shown only
// where the text sets or changes the meter.
function fixeLesMetres(mesures, listees) {
  const infos = new Map();
  for (const m of listees) infos.set(m.numero, m);
  let precedente = null;
  for (const m of mesures) {
    const info = infos.get(m.numero) || null;
    m.info = info;
    const metre = info !== null && info.denominateur > 0 && info.forts.length > 0
      ? { numerateur: info.numerateur, denominateur: info.denominateur, valTps: info.valTps, nbrTps: info.forts.length,
          ennaire: info.ennaire, compose: info.compose, forts: info.forts }
      : precedente;
    m.metre = metre;
    m.signature = signatureDe(m, metre, precedente);
    m.montreMetre = m.signature !== "" && (precedente === null || m.changement !== null || m.signature !== precedente.signature);
    if (metre !== null) precedente = Object.assign({}, metre, { signature: m.signature });
  }
}

// "4/4", "C", "C|", or "" for a meter of 99 beats (no numerator to write).
function signatureDe(m, metre, precedente) {
  if (metre === null || metre.numerateur <= 0) return "";
  if (m.changement !== null && m.changement.c) return m.changement.denominateur === 2 ? "C|" : "C";
  // C and C barred stay written so until the text changes the meter.
  if (m.changement === null && precedente !== null && (precedente.signature === "C" || precedente.signature === "C|") &&
      precedente.numerateur === metre.numerateur && precedente.denominateur === metre.denominateur)
    return precedente.signature;
  return metre.numerateur + "/" + metre.denominateur;
}

// The endings' brackets as the checker laid them out (records: by measure
// number, [numero, ending, starts, ends, closed] flat): m.volta is
// { numero, commence, termine, fermee } or null.
function fixeLesVoltas(mesures, voltas) {
  const parNumero = new Map();
  for (const m of mesures) if (!parNumero.has(m.numero)) parNumero.set(m.numero, m);
  for (let k = 0; k + 4 < voltas.length; k += 5) {
    const m = parNumero.get(voltas[k]);
    if (m) m.volta = { numero: voltas[k + 1], commence: voltas[k + 2] === 1, termine: voltas[k + 3] === 1, fermee: voltas[k + 4] === 1 };
  }
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

// What the drawing of a measure depends on: equal keys, equal drawings.
export function cleDeMesure(m) {
  return JSON.stringify([m.numero, m.signature, m.montreMetre, m.reprise, m.ordinal, m.barre.sorte, !!m.barre.finale, m.barre.ecrite, m.volta,
    m.elements.map(function (e) { return [e.silence, e.base, e.points, e.lie, e.temps, e.groupe]; }),
    m.groupes.map(function (g) { return [g.premier, g.dernier, g.genre, g.somme, g.valeur]; }),
    m.marques.map(function (k) { return [k.elements, k.barre, k.sorte]; }),
    m.info ? m.info.ecart : ""]);
}
