#include "diagnostics/catalogue.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/capture.h"

TEST(Catalogue, CategoryComesFromTheTopFourBits) {
  EXPECT_EQ(categorie_erreur(0x0000), latin1("AUCUNE (ou section interprétée)"));
  EXPECT_EQ(categorie_erreur(0x2003), latin1("SÉPARATEUR_ISOLÉ"));
  EXPECT_EQ(categorie_erreur(0x6021), latin1("NON-(DÉ)TERMINÉE"));
  EXPECT_EQ(categorie_erreur(0x7000), latin1("m. À DÉFINIR"));
  for (int32_t haut = 8; haut < 16; ++haut) EXPECT_EQ(categorie_erreur(haut << 12), latin1("NON-DÉFINIE"));
  // -1 is read over its low 16 bits.
  EXPECT_EQ(categorie_erreur(-1), latin1("NON-DÉFINIE"));
}

TEST(Catalogue, DescriptionsAreExactAndUnknownCodesAreProgrammingErrors) {
  EXPECT_EQ(description_erreur(0x0000), std::string("aucune erreur"));
  EXPECT_EQ(description_erreur(0x2002), latin1("'\\' (deuxième graphe pour C barré)"));
  EXPECT_EQ(description_erreur(0x2005), std::string("10  (octet supprimeur-gauche)"));
  EXPECT_EQ(description_erreur(0x5000), std::string(""));
  EXPECT_EQ(description_erreur(0x7000), latin1("-.|nitial de lexème à définir"));
  EXPECT_EQ(description_erreur(0x6022), latin1("fichier non-déterminé (en fin)"));
  EXPECT_EQ(description_erreur(0x4021), latin1("texte après la double barre finale"));
  EXPECT_EQ(categorie_erreur(0x4021), std::string("BARRE"));
  EXPECT_EQ(description_erreur(0x1234), latin1("erreur de programmation (ou emme en erreur non-prévu)"));
  EXPECT_EQ(description_erreur(-1), latin1("erreur de programmation (ou emme en erreur non-prévu)"));
}

TEST(Catalogue, TextsAreLatin1Bytes) {
  // é is the single byte 0xE9.
  EXPECT_EQ(std::string(description_erreur(0x0001)), std::string("d\xE9nominateur absent"));
}

TEST(Catalogue, KindOfEachCode) {
  EXPECT_EQ(nature_du_code(err::aucune_erreur), Nature::faute);
  EXPECT_EQ(nature_du_code(err::dénominateur_absent), Nature::faute);
  EXPECT_EQ(nature_du_code(err::espace_à_faire_suivre), Nature::correction);
  EXPECT_EQ(nature_du_code(err::liure_à_relier), Nature::correction);
  EXPECT_EQ(nature_du_code(err::texte_après_double_barre), Nature::faute);
  EXPECT_EQ(nature_du_code(err::syntaxe_début), Nature::faute);
  for (const int32_t code : {err::syntaxe_en_fin, err::groupolet_en_fin, err::fichier_début, err::fichier_en_fin})
    EXPECT_EQ(nature_du_code(code), Nature::fin);
  std::string noms;
  for (const Nature n : {Nature::faute, Nature::conseil, Nature::correction, Nature::renseignement, Nature::fin})
    noms += std::string(nom_de_nature(n)) + " ";
  EXPECT_EQ(noms, "faute conseil correction renseignement fin ");
}
