#include "driver/pilote.h"

#include <cstdint>
#include <cstdlib>
#include <new>

#include "diagnostics/catalogue.h"
#include "diagnostics/rapport_sortie.h"
#include "diagnostics/signale.h"
#include "driver/ligne_de_commande.h"
#include "io/fatal.h"
#include "io/flux.h"
#include "io/latin1.h"
#include "io/source.h"
#include "measure/mesure.h"
#include "meter/metre.h"
#include "parser/analyse.h"
#include "scanner/position.h"
#include "state/etat.h"

namespace {

// The meter of the command line, its words already checked.
void applique_ligne_de_commande(const LigneDeCommande& ligne) {
  if (ligne.metre) {
    etat.metre.demandeDécomposition = ligne.décomposition;
    fixe_mesure(ligne.numérateur, ligne.dénominateur, etat.metre.demandeDécomposition);
    arme_fin_par_compte();
    affiche_indications_mesure();
  } else {
    arrete_fin_par_compte();  // the meter will be inferred from the first measure
  }
}

// The line number's digits, kept while the line stays the same: a line holds
// several pieces, and each piece two banners.
struct ChiffresDeLigne {
  int64_t ligne = 0;                                // the line they write (lines count from 1)
  char chiffres[Ecriture::chiffres_entier_max]{};  // its decimal digits
  std::size_t longueur = 0;                         // how many
};
ChiffresDeLigne chiffres_de_ligne;

// "** Nouvelle analyse en l. %d col. %d\n" and its closing twin: what comes
// before each is due once it is written.
template <std::size_t N>
void banniere(const char (&debut)[N]) {
  if (!mode_interactif()) return;
  ChiffresDeLigne& l = chiffres_de_ligne;
  if (l.ligne != etat.position.numeroLigne) {
    l.ligne = etat.position.numeroLigne;
    Ecriture chiffres{l.chiffres};
    chiffres.entier(l.ligne);
    l.longueur = static_cast<std::size_t>(chiffres.fin - l.chiffres);
  }
  constexpr std::size_t taille = N - 1;
  char* const place = sortie_place(taille + 2 * Ecriture::chiffres_entier_max + 8);
  Ecriture e{place};
  e.texte(std::string_view(debut, taille));
  e.texte(std::string_view(l.chiffres, l.longueur));
  e.texte(" col. ");
  e.entier(etat.position.numeroColonne);
  e.texte("\n");
  sortie_avance(static_cast<std::size_t>(e.fin - place));
  sortie_due();
}

// A parse failed: at the end of the input, outside a group, the unfinished
// piece is dropped and the run goes on to the double bar that the scanner
// supplies; the measure was neither closed nor checked, which is said once and
// fails the run (mesureInachevée: the run's own record of it). Otherwise the
// analysis ends here. Inside a group no double bar ever comes at the end of
// the input, so that case ends too.
void echec_analyse(int16_t& mesureInachevée) {
  EtatDiagnostics& d = etat.diagnostics;
  if (d.codeCourant == err::fichier_début && mode_interactif() && !etat.scanner.dansGroupe) {
    d.codeCourant = err::fichier_en_fin;
    if (mesureInachevée == 0) {
      mesureInachevée = 1;
      signale_erreur(
          "fin du texte dans une mesure inachevée : elle n'est ni fermée ni vérifiée.\n"
          "\tManque-t-il une barre '|' en finale ?"_l1);
    }
    return;
  }
  arrete_analyse();
  if (etat.scanner.dansGroupe) {
    d.codeCourant = err::groupolet_en_fin;
    signale_erreur("fin d'analyse de groupe en erreur.\n\tManque-t-il une parenthèse fermante ')' au groupolet ?"_l1);
  } else {
    d.codeCourant = err::syntaxe_en_fin;
    signale_erreur("fin d'analyse en erreur.\n\tManque-t-il une barre doublée \"||\" en finale ?"_l1);
  }
}

// The final double bar ends the analysis, and what follows it is never read
// as notation; it must not go unseen either. The rest of the input is read on,
// its white space counted as the scanner counts it, and its first other byte
// is reported, once: the run then fails. Someone typing at a terminal is not
// kept waiting for more once the double bar is in.
bool texte_apres_double_barre() {
  if (source_est_un_terminal()) return false;
  applique_etendue();
  for (;;) {
    const int octet = lit_caractere();
    switch (octet) {
      case fin_de_fichier:
        return false;
      case ' ':
      case '\t':
      case '\n':
      case '\r':
      case '\f':
        etend_par(octet);
        applique_etendue();
        break;
      case '\v':
        for (int64_t lignes = tabv(etat.position.numeroLigne); lignes > 0; --lignes) ligne_suivante();
        break;
      default:
        fixe_etendue(0, 1);
        etat.diagnostics.codeCourant = err::texte_après_double_barre;
        signale_erreur(
            "texte après la double barre finale, non analysé ;\n"
            "\tune double barre (\"||\" ou deux barres séparées d'un blanc) termine l'analyse."_l1);
        return true;
    }
  }
}

int execute_analyse(const LigneDeCommande& ligne) {
  for (auto& temps : etat.mesure.tabTemps) temps.reset();
  applique_ligne_de_commande(ligne);
  if (mode_interactif()) arme_rapport_de_sortie();

  int resultat = 0;
  int16_t mesureInachevée = 0;  // the text ended inside a measure: reported once, the run fails
  do {
    banniere("** Nouvelle analyse en l. ");
    resultat = analyse();
    if (resultat != 0) echec_analyse(mesureInachevée);
    banniere("** Fin d'analyse en l. ");
  } while (!etat.analyseur.finAnalyse);
  // A failed parse has already ended the run in error; a run that ended on
  // the double bar is checked for what follows it.
  if (resultat == 0 && texte_apres_double_barre()) resultat = 1;
  if (mesureInachevée != 0) resultat = 1;
  // A text cut short by a failed read was not checked whole: said last, after
  // everything analysed.
  if (const int numero = source_erreur_de_lecture(); numero != 0) {
    erreur_ecrit("rythme : lecture impossible sur l'entrée standard : "_l1, raison_systeme(numero), ".\n");
    resultat = 1;
  }

  desarme_rapport_de_sortie();
  return resultat;
}

int execute_demande(const LigneDeCommande& ligne) {
  switch (ligne.demande) {
    case LigneDeCommande::Demande::aide:
      sortie_ecrit(texte_aide());
      return 0;
    case LigneDeCommande::Demande::version:
      sortie_ecrit(texte_version());
      return 0;
    case LigneDeCommande::Demande::refus:
      // Before any banner, and with no exit report: nothing was analysed.
      erreur_ecrit_avec_octets_lus(
          std::string_view(ligne.message).substr(0, ligne.debut_du_mot),
          std::string_view(ligne.message).substr(ligne.debut_du_mot, ligne.fin_du_mot - ligne.debut_du_mot),
          std::string_view(ligne.message).substr(ligne.fin_du_mot));
      return 1;
    case LigneDeCommande::Demande::analyse:
      break;
  }
  return execute_analyse(ligne);
}

}  // namespace

int execute_pilote(int argc, const char* const* argv, LigneDeCommande* lue) {
  const LigneDeCommande ligne = lit_ligne_de_commande(argc, argv);
  if (lue != nullptr) *lue = ligne;
  try {
    return execute_demande(ligne);
  } catch (const std::bad_alloc&) {  // GCOVR_EXCL_START: out of memory
    // Memory ran out where no routine reports it under its own name.
    erreur_fatale("rythme : il n'y a plus assez de mémoire\n"_l1);
  }  // GCOVR_EXCL_STOP
}
