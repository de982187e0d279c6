#include "diagnostics/catalogue.h"

#include <cstddef>
#include <iterator>

#include "io/latin1.h"

namespace {

// Indexed by code >> 12 (over the low 16 bits): keep this order.
const char* const categories[16] = {
    "AUCUNE (ou section interprétée)"_l1,  // 0
    "NOMBRE"_l1,                           // 1
    "SÉPARATEUR_ISOLÉ"_l1,                 // 2
    "MARQUE"_l1,                           // 3
    "BARRE"_l1,                            // 4
    "NON-RECONNUE"_l1,                     // 5
    "NON-(DÉ)TERMINÉE"_l1,                 // 6
    "m. À DÉFINIR"_l1,                     // 7
    "NON-DÉFINIE"_l1, "NON-DÉFINIE"_l1, "NON-DÉFINIE"_l1, "NON-DÉFINIE"_l1,
    "NON-DÉFINIE"_l1, "NON-DÉFINIE"_l1, "NON-DÉFINIE"_l1, "NON-DÉFINIE"_l1,  // 8 to 15
};

struct Entree {
  int32_t code;             // the code, $XXXX
  const char* description;  // its catalogue text
};

// ORDER CATALOGUE: the order of the names in catalogue.h.
constexpr Entree catalogue[] = {
    {err::aucune_erreur, "aucune erreur"_l1},
    {err::dénominateur_absent, "dénominateur absent"_l1},
    {err::dénominateur_non_positif, "dénominateur non-positif"_l1},
    {err::chiffre_zéro, "chiffre-zéro"_l1},
    {err::nombre_trop_long, "deux chiffres au maximum"_l1},
    {err::ordinal_zéro, "ordinal-zéro"_l1},
    {err::ordinal_trop_long, "deux chiffres au maximum, pour l'ordinal"_l1},
    {err::barre_oblique_isolée, "'/' (entre deux indications de mesure)"_l1},
    {err::barre_inverse_isolée, "'\\' (deuxième graphe pour C barré)"_l1},
    {err::deux_points_isolés, "':' (signe de reprise)"_l1},
    {err::ordinal_isolé, "xx. (ordinal de reprise)"_l1},
    {err::supprimeur_gauche_isolé, "10  (octet supprimeur-gauche)"_l1},
    {err::supprimeur_droit_isolé, "177 (octet supprimeur-droit)"_l1},
    {err::espace_à_faire_suivre, "espaceur à faire suivre"_l1},
    {err::tabulation_à_faire_suivre, "tabulateur à faire suivre"_l1},
    {err::tabulation_verticale_à_faire_suivre, "tabulateur vertical à faire suivre"_l1},
    {err::nouvelle_ligne_à_faire_suivre, "nouvelle ligne à faire suivre"_l1},
    {err::nouvelle_forme_à_faire_suivre, "nouvelle forme à faire suivre"_l1},
    {err::liure_à_lier, "'_' à lier (d__d)"_l1},
    {err::point_à_pointer, "'.' à pointer (d.)"_l1},
    {err::retour_chariot_doublé, "15 15 retour-chariot (dé)doublé"_l1},
    {err::valeur_trop_pointée, "note ou silence trop pointé"_l1},
    {err::liure_à_relier, "à relier _|_ (lier '_' avant ou après manquant)"_l1},
    {err::retour_chariot_et_nouvelle_ligne, "15 12 retour-chariot et n.-l. (scinder avec '|')"_l1},
    {err::deux_points_de_reprise_ou_lier, "deux points (verticalement) de reprise, ou lier"_l1},
    {err::ordinal_de_reprise_ou_lier, "ordinal de reprise, ou lier"_l1},
    {err::texte_après_double_barre, "texte après la double barre finale"_l1},
    {err::non_reconnue, ""_l1},
    {err::syntaxe_début, "structure syntaxique non-déterminée (début)"_l1},
    {err::syntaxe_en_fin, "structure syntaxique non-déterminée (en fin)"_l1},
    {err::groupolet_début, "groupolet non-déterminé (début)"_l1},
    {err::groupolet_en_fin, "groupolet non-déterminé (en fin)"_l1},
    {err::fichier_début, "fichier non-déterminé (début)"_l1},
    {err::fichier_en_fin, "fichier non-déterminé (en fin)"_l1},
    {err::lexème_à_définir, "-.|nitial de lexème à définir"_l1},
};

constexpr bool en_ordre_croissant() {
  for (std::size_t i = 1; i < std::size(catalogue); ++i)
    if (catalogue[i - 1].code >= catalogue[i].code) return false;
  return true;
}
static_assert(en_ordre_croissant(), "the catalogue keeps the order of its codes");

}  // namespace

const char* categorie_erreur(int32_t code) {
  return categories[(static_cast<uint32_t>(code) & 0xFFFFu) >> 12];
}

const char* description_erreur(int32_t code) {
  for (const Entree& e : catalogue)
    if (e.code == code) return e.description;
  return "erreur de programmation (ou emme en erreur non-prévu)"_l1;
}

Nature nature_du_code(int32_t code) {
  switch (code & 0xFFFF) {
    case err::syntaxe_en_fin:
    case err::groupolet_en_fin:
    case err::fichier_début:
    case err::fichier_en_fin:
      return Nature::fin;
    case err::texte_après_double_barre:
      return Nature::faute;
    default:
      break;
  }
  switch ((code & 0xFFFF) >> 12) {
    case 3:  // MARQUE: a blank, a tie, a dot, a carriage return misplaced, and rewritten
    case 4:  // BARRE: a tie or repeat sign at a bar, read as it was surely meant
      return Nature::correction;
    default:
      return Nature::faute;
  }
}

const char* nom_de_nature(Nature nature) {
  switch (nature) {
    case Nature::faute: return "faute";
    case Nature::conseil: return "conseil";
    case Nature::correction: return "correction";
    case Nature::renseignement: return "renseignement";
    case Nature::fin: return "fin";
  }
  return "faute";  // GCOVR_EXCL_LINE: every kind is named above
}
