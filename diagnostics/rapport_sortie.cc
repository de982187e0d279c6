#include "diagnostics/rapport_sortie.h"

#include <cstdint>
#include <cstdlib>

#include "diagnostics/catalogue.h"
#include "io/fatal.h"
#include "io/flux.h"
#include "io/latin1.h"
#include "state/etat.h"

namespace {
bool enregistre = false;  // rapport_de_sortie is registered as an exit handler
}

void arme_rapport_de_sortie() {
  etat.diagnostics.rapportDeSortieArme = 1;
  // In-process runs call the report themselves when a run ends fatally.
  if (mode_fin() == ModeFin::quitte && !enregistre) {
    enregistre = std::atexit(rapport_de_sortie) == 0;
  }
}

void desarme_rapport_de_sortie() { etat.diagnostics.rapportDeSortieArme = 0; }

void rapport_de_sortie() {
  const EtatDiagnostics& d = etat.diagnostics;
  if (!d.rapportDeSortieArme) return;
  sortie_printf("l. %lld col. %lld  Err. $%04X  cat. [%s]\n\r\t{%s}  D.Err. $%04X\n",
                static_cast<long long>(etat.position.numeroLigne), static_cast<long long>(etat.position.numeroColonne),
                static_cast<uint32_t>(d.codeCourant), categorie_erreur(d.codeCourant),
                description_erreur(d.codeCourant), static_cast<uint32_t>(d.dernierCode));
  sortie_due();
}
