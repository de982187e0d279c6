// The worker's loop: the page posts { id, mots, texte }, the worker answers
// { id, resultat, duree } once the analysis is done, the two streams' bytes
// and the table of the signs read handed over rather than copied. The page sends one request at a time and
// keeps only the latest edit waiting, so a run made stale is never started.
// A trap of the module is answered { id, echec } and a new module is made.
(function () {
  let pret = creeRythme();
  self.onmessage = function (e) {
    const demande = e.data;
    pret.then(function (m) {
      const debut = Date.now();
      let resultat;
      try {
        resultat = analyseTexte(m, demande.mots, demande.texte);
      } catch (err) {
        pret = creeRythme();
        self.postMessage({ id: demande.id, echec: String(err && err.message ? err.message : err) });
        return;
      }
      self.postMessage({ id: demande.id, resultat: resultat, duree: Date.now() - debut },
                       [resultat.sortie.buffer, resultat.erreur.buffer, resultat.signes.buffer]);
    }, function (err) {
      self.postMessage({ id: demande.id, echec: "le module WebAssembly n'a pas pu être chargé : " + err });
    });
  };
})();
