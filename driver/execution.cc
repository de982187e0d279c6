#include "driver/execution.h"

#include "diagnostics/rapport_sortie.h"
#include "driver/pilote.h"
#include "io/fatal.h"
#include "io/flux.h"
#include "io/source.h"
#include "measure/mesure.h"
#include "meter/echelles.h"
#include "scanner/corrections.h"
#include "scanner/regles.h"
#include "state/etat.h"

void reinitialise_etat() {
  etat = EtatAnalyse{};
  reinitialise_source();
  reinitialise_automate();
  reinitialise_essai();
  reinitialise_corrections();
  reinitialise_temps();
}

Execution execute_en_memoire(const std::vector<std::string>& mots, std::string_view entree) {
  Execution r;
  reinitialise_etat();
  flux_vers_chaines(&r.sortie, &r.erreur);
  source_depuis_memoire(entree.data(), entree.size());
  const ModeFin mode_precedent = mode_fin();
  fixe_mode_fin(ModeFin::exception);

  std::vector<const char*> argv{"rythme"};
  for (const std::string& mot : mots) argv.push_back(mot.c_str());
  LigneDeCommande ligne;
  try {
    r.statut = execute_pilote(static_cast<int>(argv.size()), argv.data(), &ligne);
  } catch (const ArretProcessus& arret) {
    // What the exit handlers of the program do.
    rapport_de_sortie();
    r.statut = arret.statut;
    r.fatal = arret.message;
  }
  r.code_final = etat.diagnostics.codeCourant;
  flux_termine();
  r.mot_fautif = ligne.mot_fautif;
  r.refus = ligne.message;
  desarme_rapport_de_sortie();
  fixe_mode_fin(mode_precedent);
  flux_vers_descripteurs();
  reinitialise_etat();
  return r;
}

FinDuRun Execution::fin() const { return {statut, code_final, static_cast<int>(mot_fautif) - 1, refus, fatal}; }

int execute_console(int argc, const char* const* argv, LigneDeCommande* lue) {
  const int statut = execute_pilote(argc, argv, lue);
  flux_termine();
  // What could not be written was not delivered: never a success.
  return flux_en_echec() ? 1 : statut;
}
