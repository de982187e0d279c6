// The worker's loop: the page posts { id, mots, texte }, the worker answers
// { id, resultat, duree } once the analysis is done, the two streams' bytes
// and the tables of the signs read and of the measures handed over rather than copied. The page sends one request at a time and
// keeps only the latest edit waiting, so a run made stale is never started.
// A trap of the module is answered { id, echec } and a new module is made.
// An export ({ id, exporte: "musicxml" or "midi", tempo, mots, texte }) is
// answered { id, exportation: { octets, erreur, statut } }.
// A dictation ({ id, dictee: "genere", niveau, metre, mesures, graine } or
// { id, dictee: "corrige", mots, original, copie }) is answered
// { id, dictee: the rhythm drawn, or the grading }.
// Bundled with the checker's module into one script, whose text the page
// starts as a Web Worker (a page opened from file:// may not load a worker
// from a file).
import creeRythme from "@rythme/module";
import { analyseTexte, dicteeCorrige, dicteeGenere, enLatin1, exporte } from "./pont.js";

let pret = creeRythme();
self.onmessage = function (e) {
  const demande = e.data;
  pret.then(function (m) {
    const debut = Date.now();
    let resultat;
    if (demande.dictee) {
      // A dictation: a rhythm drawn, or a student's text graded against one.
      try {
        const d = demande.dictee === "genere"
          ? dicteeGenere(m, demande.niveau, demande.metre, demande.mesures, demande.graine)
          : dicteeCorrige(m, demande.mots, demande.original, demande.copie);
        self.postMessage({ id: demande.id, dictee: d });
      } catch (err) {
        pret = creeRythme();
        self.postMessage({ id: demande.id, echec: String(err && err.message ? err.message : err) });
      }
      return;
    }
    if (demande.exporte) {
      // An export: the console's file for this text, made by the same C++.
      try {
        const e = exporte(m, demande.mots.map(function (w) { return enLatin1(w).octets; }),
                          enLatin1(demande.texte).octets, demande.exporte, demande.tempo);
        self.postMessage({ id: demande.id, exportation: e }, [e.octets.buffer, e.erreur.buffer]);
      } catch (err) {
        pret = creeRythme();
        self.postMessage({ id: demande.id, echec: String(err && err.message ? err.message : err) });
      }
      return;
    }
    try {
      resultat = analyseTexte(m, demande.mots, demande.texte);
    } catch (err) {
      pret = creeRythme();
      self.postMessage({ id: demande.id, echec: String(err && err.message ? err.message : err) });
      return;
    }
    self.postMessage({ id: demande.id, resultat: resultat, duree: Date.now() - debut },
                     [resultat.sortie.buffer, resultat.erreur.buffer, resultat.signes.buffer,
                      resultat.table_des_mesures.buffer, resultat.table_des_temps.buffer]);
  }, function (err) {
    self.postMessage({ id: demande.id, echec: "le module WebAssembly n'a pas pu être chargé : " + err });
  });
};
