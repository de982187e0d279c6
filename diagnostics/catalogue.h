// The error catalogue: a 16-bit code, written $XXXX, whose top four bits give
// its category.
#pragma once

#include <cstdint>

// The codes of the catalogue, by name. ORDER CATALOGUE: the table in
// catalogue.cc lists the same codes in the same order, ascending.
namespace err {
enum : int32_t {
  aucune_erreur = 0x0000,
  dénominateur_absent = 0x0001,
  dénominateur_non_positif = 0x0002,
  chiffre_zéro = 0x1001,
  nombre_trop_long = 0x1002,
  ordinal_zéro = 0x1011,
  ordinal_trop_long = 0x1012,
  barre_oblique_isolée = 0x2001,
  barre_inverse_isolée = 0x2002,
  deux_points_isolés = 0x2003,
  ordinal_isolé = 0x2004,
  supprimeur_gauche_isolé = 0x2005,
  supprimeur_droit_isolé = 0x2006,
  espace_à_faire_suivre = 0x3001,
  tabulation_à_faire_suivre = 0x3002,
  tabulation_verticale_à_faire_suivre = 0x3003,
  nouvelle_ligne_à_faire_suivre = 0x3004,
  nouvelle_forme_à_faire_suivre = 0x3005,
  liure_à_lier = 0x3011,
  point_à_pointer = 0x3021,
  retour_chariot_doublé = 0x3031,
  valeur_trop_pointée = 0x3041,
  liure_à_relier = 0x4001,
  retour_chariot_et_nouvelle_ligne = 0x4002,
  deux_points_de_reprise_ou_lier = 0x4011,
  ordinal_de_reprise_ou_lier = 0x4012,
  texte_après_double_barre = 0x4021,
  non_reconnue = 0x5000,
  syntaxe_début = 0x6001,
  syntaxe_en_fin = 0x6002,
  groupolet_début = 0x6011,
  groupolet_en_fin = 0x6012,
  fichier_début = 0x6021,
  fichier_en_fin = 0x6022,
  lexème_à_définir = 0x7000,
};
}  // namespace err

const char* categorie_erreur(int32_t code);
const char* description_erreur(int32_t code);

// What a report is to the musician who reads it: a fault in the text, an
// advice (the text is right, another writing is better), a correction the
// checker made to the notation before reading on, a note on the meter it
// inferred, or the end of the analysis (the text ended too soon, or the
// analysis stopped). The code decides it, except under $0000, which the
// measure and meter routines share: those that advise or inform say so where
// they report (signale_erreur's second form).
enum class Nature : uint8_t { faute, conseil, correction, renseignement, fin };

// The kind a code gives its reports.
Nature nature_du_code(int32_t code);
// Its name, as the web page receives it: "faute", "conseil"...
const char* nom_de_nature(Nature nature);
