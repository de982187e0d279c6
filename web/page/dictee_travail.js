// The dictation's worker, its own beside the one that follows the text: it
// analyses the rhythm to be heard, draws a rhythm, grades a copy. Each
// request is answered by a promise of the worker's answer.
import { nouveauTravailleur } from "./client.js";

let travailleur = null;
let numero = 0;
const attentes = new Map();
export function auTravailleur(message) {
  if (travailleur === null) {
    travailleur = nouveauTravailleur();
    travailleur.onmessage = function (e) {
      const a = attentes.get(e.data.id);
      attentes.delete(e.data.id);
      if (a) e.data.echec !== undefined ? a.rejette(new Error(e.data.echec)) : a.tient(e.data);
    };
    // A worker lost: what it was asked fails, the next request starts another.
    travailleur.onerror = function (e) {
      travailleur.terminate();
      travailleur = null;
      attentes.forEach(function (a) { a.rejette(new Error(e.message || "le travailleur s'est arrêté")); });
      attentes.clear();
    };
  }
  const id = ++numero;
  return new Promise(function (tient, rejette) {
    attentes.set(id, { tient: tient, rejette: rejette });
    travailleur.postMessage(Object.assign({ id: id }, message));
  });
}
