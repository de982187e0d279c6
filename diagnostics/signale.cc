#include "diagnostics/signale.h"

#include <cstring>

#include "diagnostics/latin1.h"
#include "diagnostics/rapport_sortie.h"
#include "diagnostics/sortie.h"
#include "driver/etat.h"
#include "scanner/non_reconnue.h"

namespace {

// The parser's own wording, which this routine replaces by the checker's.
constexpr const char* erreur_syntaxe_analyseur = "Syntax error";

// Thins a run of reports sharing one non-zero code to one in eleven.
// Returns true when this report is suppressed.
bool repetition_supprimee() {
  EtatDiagnostics& d = etat.diagnostics;
  if (d.codeCourant == d.dernierCode) {
    if (d.nbRepetitions < d.limiteRepetitions)
      d.nbRepetitions += 1;
    else
      d.nbRepetitions = 0;
  } else {
    d.dernierCode = d.codeCourant == 0x0000 ? -1 : d.codeCourant;
    d.nbRepetitions = 0;
  }
  return d.nbRepetitions != 0;
}

}  // namespace

void (*temoin_rapport)(const char* message) = nullptr;

void signale_erreur(const char* message) {
  EtatDiagnostics& d = etat.diagnostics;
  // After the end of the input has been met, every report is silent.
  if (d.codeCourant == 0x6021 && mode_interactif()) return;

  if (std::strcmp(message, erreur_syntaxe_analyseur) == 0) {
    signale_non_reconnue();
    if (etat.scanner.dansGroupe) {
      d.codeCourant = 0x6011;
      message = "début d'analyse de groupe en erreur.\n\tLa syntaxe du groupolet est défective."_l1;
    } else {
      d.codeCourant = 0x6001;
      message =
          "début d'analyse en erreur.\n\t(pile d'arborescence syntaxique en défaut ou,\n\t terminateur syntactique en propre manquant)"_l1;
    }
  }

  if (repetition_supprimee()) return;

  const Position& p = etat.position;
  const int32_t temps = etat.mesure.nt + 1;
  const bool au_dela = temps > etat.metre.nbrTps;
  const int32_t largeur = p.largeurCouverte;
  const int32_t mesure = etat.mesure.numeroMesure;

  if (p.lignesCouvertes != 0) {
    erreur_printf(au_dela ? "l. %d col. %d m. %d tps(%d) à\n-. %d col. %d :  %s\n"_l1
                          : "l. %d col. %d m. %d tps %d à\n-. %d col. %d :  %s\n"_l1,
                  p.numeroLigne, p.numeroColonne, mesure, temps, p.numeroLigne + p.lignesCouvertes,
                  largeur != 0 ? largeur : 1, message);
  } else if (largeur > 1) {
    erreur_printf(au_dela ? "l. %d col. %d à %d m. %d tps(%d):  %s\n"_l1
                          : "l. %d col. %d à %d m. %d tps %d :  %s\n"_l1,
                  p.numeroLigne, p.numeroColonne, p.numeroColonne + largeur - 1, mesure, temps, message);
  } else if (largeur == 1) {
    erreur_printf(au_dela ? "l. %d col. %d m. %d tps(%d):  %s\n" : "l. %d col. %d m. %d tps %d :  %s\n",
                  p.numeroLigne, p.numeroColonne, mesure, temps, message);
  } else {
    erreur_printf(au_dela ? "l. %d (col. %d) m. %d tps(%d):  %s\n" : "l. %d (col. %d) m. %d tps %d :  %s\n",
                  p.numeroLigne, p.numeroColonne, mesure, temps, message);
  }
  if (temoin_rapport != nullptr) temoin_rapport(message);
}
