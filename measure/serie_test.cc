#include <gtest/gtest.h>

#include "measure/essais.h"

namespace {

class Serie : public AvecEtatPropre {};

struct Ecriture {
  int32_t valeur;     // the value written out
  const char* texte;  // the beat recorded for it
};

TEST_F(Serie, AValueIsWrittenOutAsOneBeatOfTheSameValue) {
  const Ecriture cas[] = {
      {0, " "},        {1, "q "},          {5, "t.t "},          {9, "[q "},
      {11, "f.fq "},   {16, "! "},         {40, "!.! "},         {100, "o.f "},
      {150, "o..df. "}, {160, "o.o "},      {200, "o..d.d[ "},    {320, "o..o.d.d!..f "},
  };
  for (const Ecriture& c : cas) {
    ajoute_temps_serie(c.valeur);
    const Temps& t = *etat.mesure.tabTemps[static_cast<std::size_t>(etat.mesure.nt - 1)];
    EXPECT_EQ(t.graphie, c.texte) << c.valeur;
    EXPECT_EQ(t.valeur, c.valeur);
  }
  EXPECT_EQ(erreur, "");
}

TEST_F(Serie, AnyLargeValueIsWrittenOut) {
  for (const int32_t n : {1000, 15840, 700000}) {
    ajoute_temps_serie(n);
    EXPECT_EQ(etat.mesure.tabTemps[static_cast<std::size_t>(etat.mesure.nt - 1)]->valeur, n);
  }
  EXPECT_EQ(erreur, "");
}

TEST_F(Serie, ANegativeValueIsAnInternalError) {
  EXPECT_EQ(statut_fatal([] { ajoute_temps_serie(-3); }), 1);
  EXPECT_EQ(erreur, "ajoute_temps_serie : erreur de programmation (val[Tps] -3)\n");
  EXPECT_EQ(etat.mesure.nt, 0);
}

}  // namespace
