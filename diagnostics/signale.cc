#include "diagnostics/signale.h"

#include "diagnostics/catalogue.h"
#include "diagnostics/rapport_sortie.h"
#include "io/flux.h"
#include "io/latin1.h"
#include "state/etat.h"

namespace {

// The parser's own wording, which this routine replaces by the checker's.
constexpr std::string_view erreur_syntaxe_analyseur = "Syntax error";

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
    d.dernierCode = d.codeCourant == err::aucune_erreur ? -1 : d.codeCourant;
    d.nbRepetitions = 0;
  }
  return d.nbRepetitions != 0;
}

}  // namespace

// Replaced before any report: every analysis starts from the reset, which
// installs the scanner's.
void (*avant_erreur_de_syntaxe)() = [] {};  // GCOVR_EXCL_LINE
void (*temoin_rapport)(Nature nature, std::string_view tete, std::string_view message) = nullptr;

namespace {

// nature: the kind the caller gives, or none for the code's.
void rapporte(std::string_view message, const Nature* nature) {
  EtatDiagnostics& d = etat.diagnostics;
  // After the end of the input has been met, every report is silent.
  if (d.codeCourant == err::fichier_début && mode_interactif()) return;

  if (message == erreur_syntaxe_analyseur) {
    avant_erreur_de_syntaxe();
    if (etat.scanner.dansGroupe) {
      d.codeCourant = err::groupolet_début;
      message = "début d'analyse de groupe en erreur.\n\tLa syntaxe du groupolet est défective."_l1;
    } else {
      d.codeCourant = err::syntaxe_début;
      message =
          "début d'analyse en erreur.\n\t(pile d'arborescence syntaxique en défaut ou,\n\t terminateur syntactique en propre manquant)"_l1;
    }
  }

  if (repetition_supprimee()) return;

  // The line's head, "l. %d col. %d m. %d tps %d :  " or one of its variants,
  // composed in place; the message and the newline follow it.
  const Position& p = etat.position;
  const int32_t temps = etat.mesure.nt + 1;
  const bool au_dela = temps > etat.metre.nbrTps;
  const int64_t largeur = p.largeurCouverte;
  char tete[8 * Ecriture::chiffres_entier_max + 64];
  Ecriture e{tete};
  const bool sans_etendue = p.lignesCouvertes == 0 && largeur <= 0;  // the column in parentheses
  e.texte("l. ");
  e.entier(p.numeroLigne);
  e.texte(sans_etendue ? " (col. " : " col. ");
  e.entier(p.numeroColonne);
  if (sans_etendue) e.texte(")");
  if (p.lignesCouvertes == 0 && largeur > 1) {
    e.texte(" à "_l1);
    e.entier(p.numeroColonne + largeur - 1);
  }
  e.texte(" m. ");
  e.entier(etat.mesure.numeroMesure);
  e.texte(au_dela ? " tps(" : " tps ");
  e.entier(temps);
  if (p.lignesCouvertes != 0) {
    // The extent ends on a later line: "à", then where it ends.
    e.texte(au_dela ? ") à\n-. "_l1 : " à\n-. "_l1);
    e.entier(p.numeroLigne + p.lignesCouvertes);
    e.texte(" col. ");
    e.entier(largeur != 0 ? largeur : 1);
    e.texte(" :  ");
  } else {
    e.texte(au_dela ? "):  " : " :  ");
  }
  const std::string_view ecrite(tete, static_cast<std::size_t>(e.fin - tete));
  erreur_ecrit(ecrite, message, "\n");
  if (temoin_rapport != nullptr)
    temoin_rapport(nature != nullptr ? *nature : nature_du_code(d.codeCourant), ecrite, message);
}

}  // namespace

void signale_erreur(std::string_view message) { rapporte(message, nullptr); }
void signale_erreur(std::string_view message, Nature nature) { rapporte(message, &nature); }
