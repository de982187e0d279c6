#include "parser/groupes.h"

#include <array>
#include <cstring>
#include <string>

#include "diagnostics/signale.h"
#include "io/fatal.h"
#include "io/latin1.h"
#include "notation/valeurs.h"
#include "state/etat.h"

namespace {

// The warning about a group of differing values with no digit; the group's
// name takes the place of the twelve characters at nomPosition.
constexpr const char* modeleValeursDifferentes =
    "valeur(s) différente(s) dans le quartolet,\n\tindiquez 2 (duolet), 3 (triolet), 4, 5 (quintolet), 6, 7 (septolet),\n\taprès le groupe, exemple : duolet (![) transformé en triolet (![)3"_l1;
constexpr std::size_t longueurModele = std::char_traits<char>::length(modeleValeursDifferentes);
constexpr std::size_t nomPosition = 32;
constexpr std::size_t nomLongueur = 12;

// Names of the kinds 2 to 7, each exactly nomLongueur characters.
constexpr std::array<const char*, 6> nomsDeGroupe = {
    "duolet,   \n\t", "triolet,  \n\t", "quartolet,\n\t",
    "quintolet,\n\t", "sextolet, \n\t", "septolet, \n\t",
};

void signale_valeurs_differentes(int32_t genre) {
  if (genre < 2 || genre > 7) erreur_fatale("vgI : erreur de programmation\n");
  std::array<char, longueurModele + 1> texte{};
  std::memcpy(texte.data(), modeleValeursDifferentes, longueurModele + 1);
  std::memcpy(texte.data() + nomPosition, nomsDeGroupe[genre - 2], nomLongueur);
  signale_erreur(texte.data());
}

bool valeurs_egales(const int32_t* valeurs, int32_t n) {
  for (int32_t i = 1; i < n; ++i)
    if (valeurs[i] != valeurs[0]) return false;
  return true;
}

}  // namespace

int32_t corps_de_groupe(const int32_t* valeurs, int32_t n) {
  etat.analyseur.nbElementsGroupe = n;
  etat.analyseur.groupeIrregulier = valeurs_egales(valeurs, n) ? 0 : 1;

  int32_t somme = 0;
  int32_t largeur = 0;
  for (int32_t i = 0; i < n; ++i) {
    somme += valeurs[i];
    largeur += lgv(valeurs[i]);
  }
  insère('(', largeur);

  if (etat.analyseur.groupeIrregulier && n == 4)
    signale_erreur("le quartuolet est une figure réciproque,entrez plutôt deux duolets."_l1, Nature::conseil);
  if (etat.analyseur.groupeIrregulier && n == 6)
    signale_erreur("un sextuolet est une figure ambiguë,\n\tentrez plutôt deux triolets (ou trois duolets avec une autre mesure)."_l1, Nature::conseil);
  return somme;
}

// An explicit digit overrides the number of elements: two different values
// closed with the digit 3 make a triolet.
int32_t vgI(int32_t total, int avecChiffre) {
  const int32_t genre = avecChiffre ? etat.scanner.chiffreGroupe : etat.analyseur.nbElementsGroupe;
  if (etat.analyseur.groupeIrregulier && !avecChiffre) signale_valeurs_differentes(genre);
  const int32_t valeur = valeur_groupe(total, genre);
  if (valeur == 0) erreur_fatale("vgI : erreur de programmation\n");
  return valeur;
}

int32_t lgv(int32_t valeur) {
  const int32_t longueur = longueur_de_valeur(valeur);
  if (longueur == 0) erreur_fatale("lgv : erreur de programmation\n");
  return longueur;
}

// Inserting before more characters than the text holds would write outside
// it: that is as much a programming error as inserting before none.
void insère(char caractere, int32_t n) {
  std::string& texte = etat.mesure.graphieTps;
  if (n <= 0 || static_cast<std::size_t>(n) > texte.size()) erreur_fatale("insère : erreur de programmation\n"_l1);
  texte.insert(texte.size() - static_cast<std::size_t>(n), 1, caractere);
}
