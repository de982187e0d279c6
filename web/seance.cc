#include "web/seance.h"

#include "io/latin1.h"
#include "recueil/collecte.h"

std::vector<std::string> mots_recus(const char* mots, int nombre) {
  std::vector<std::string> ligne;
  for (int i = 0; i < nombre; ++i) {
    ligne.emplace_back(mots);
    mots += ligne.back().size() + 1;
  }
  return ligne;
}

Recueil seance(const std::vector<std::string>& mots, std::string_view texte, Limites limites, Execution& execution) {
  Collecte collecte(texte, limites);
  FinDuRun fin;
  try {
    execution = execute_en_memoire(mots, texte);
    fin = execution.fin();
  } catch (...) {
    execution = Execution{};
    fin.statut = execution.statut = 1;
    fin.fatal = "l'analyse a été interrompue par une exception inattendue"_l1;
  }
  return collecte.termine(fin);
}
