#include "recueil/verdict.h"

#include <algorithm>

bool est_une_faute(Nature nature) { return nature != Nature::conseil && nature != Nature::renseignement; }

void Verdict::compte(Nature nature, int32_t mesure) {
  ++par_nature[static_cast<std::size_t>(nature)];
  // Reports come in reading order: a measure's are mostly together.
  if (est_une_faute(nature) && (mesures_fautives.empty() || mesures_fautives.back() != mesure))
    mesures_fautives.push_back(mesure);
}

void Verdict::conclut(const FinDuRun& fin) {
  std::sort(mesures_fautives.begin(), mesures_fautives.end());
  mesures_fautives.erase(std::unique(mesures_fautives.begin(), mesures_fautives.end()), mesures_fautives.end());
  statut = fin.statut;
  // Not a double bar the scanner supplies when the text runs out, nor an end
  // in error.
  const int32_t c = fin.code_final;
  double_barre = fin.mot_refuse < 0 && fin.fatal.empty() && c != err::fichier_début && c != err::fichier_en_fin &&
                 c != err::syntaxe_en_fin && c != err::groupolet_en_fin;
  // Every fault names its measure.
  reussite = statut == 0 && mesures_fautives.empty();
}
