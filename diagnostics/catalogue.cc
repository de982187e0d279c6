#include "diagnostics/catalogue.h"

#include "diagnostics/latin1.h"

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

const Entree catalogue[] = {
    {0x0000, "aucune erreur"_l1},
    {0x0001, "dénominateur absent"_l1},
    {0x0002, "dénominateur non-positif"_l1},
    {0x1001, "chiffre-zéro"_l1},
    {0x1002, "deux chiffres au maximum"_l1},
    {0x1011, "ordinal-zéro"_l1},
    {0x1012, "deux chiffres au maximum, pour l'ordinal"_l1},
    {0x2001, "'/' (entre deux indications de mesure)"_l1},
    {0x2002, "'\\' (deuxième graphe pour C barré)"_l1},
    {0x2003, "':' (signe de reprise)"_l1},
    {0x2004, "xx. (ordinal de reprise)"_l1},
    {0x2005, "10  (octet supprimeur-gauche)"_l1},
    {0x2006, "177 (octet supprimeur-droit)"_l1},
    {0x3001, "espaceur à faire suivre"_l1},
    {0x3002, "tabulateur à faire suivre"_l1},
    {0x3003, "tabulateur vertical à faire suivre"_l1},
    {0x3004, "nouvelle ligne à faire suivre"_l1},
    {0x3005, "nouvelle forme à faire suivre"_l1},
    {0x3011, "'_' à lier (d__d)"_l1},
    {0x3021, "'.' à pointer (d.)"_l1},
    {0x3031, "15 15 retour-chariot (dé)doublé"_l1},
    {0x3041, "note ou silence trop pointé"_l1},
    {0x4001, "à relier _|_ (lier '_' avant ou après manquant)"_l1},
    {0x4002, "15 12 retour-chariot et n.-l. (scinder avec '|')"_l1},
    {0x4011, "deux points (verticalement) de reprise, ou lier"_l1},
    {0x4012, "ordinal de reprise, ou lier"_l1},
    {0x4021, "texte après la double barre finale"_l1},
    {0x5000, ""_l1},
    {0x6001, "structure syntaxique non-déterminée (début)"_l1},
    {0x6002, "structure syntaxique non-déterminée (en fin)"_l1},
    {0x6011, "groupolet non-déterminé (début)"_l1},
    {0x6012, "groupolet non-déterminé (en fin)"_l1},
    {0x6021, "fichier non-déterminé (début)"_l1},
    {0x6022, "fichier non-déterminé (en fin)"_l1},
    {0x7000, "-.|nitial de lexème à définir"_l1},
};

}  // namespace

const char* categorie_erreur(int32_t code) {
  return categories[(static_cast<uint32_t>(code) & 0xFFFFu) >> 12];
}

const char* description_erreur(int32_t code) {
  for (const Entree& e : catalogue)
    if (e.code == code) return e.description;
  return "erreur de programmation (ou emme en erreur non-prévu)"_l1;
}
