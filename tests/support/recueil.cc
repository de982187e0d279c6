#include "tests/support/recueil.h"

#include "driver/execution.h"
#include "recueil/collecte.h"

Recueil recueil_de(std::string_view texte, const std::vector<std::string>& mots) {
  reinitialise_etat();
  Collecte collecte(texte);
  const Execution e = execute_en_memoire(mots, texte);
  Recueil r = collecte.termine(e.fin());
  reinitialise_etat();
  return r;
}
