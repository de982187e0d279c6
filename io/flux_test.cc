#include "io/flux.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "tests/support/capture.h"

namespace {

using Flux = AvecEtatPropre;

// In memory, standard output reaches its string at each due point and at the
// end; standard error at once.
TEST_F(Flux, OutputWaitsForItsDuePointAndErrorsGoAtOnce) {
  sortie_ecrit("** banner\n");
  sortie_due();
  sortie_ecrit("listing ");
  sortie_entier(-2147483647 - 1);
  erreur_ecrit("l. 1 col. 2 :  ", "message", "\n");
  EXPECT_EQ(sortie, "** banner\n");
  EXPECT_EQ(erreur, "l. 1 col. 2 :  message\n");
  flux_termine();
  EXPECT_EQ(sortie, "** banner\nlisting -2147483648");
}

// Writes larger than the buffers pass through whole and in order.
TEST_F(Flux, WritesLargerThanTheBuffersKeepTheirOrder) {
  const std::string grand(300000, 'x');
  const std::string message(200000, 'm');
  sortie_ecrit("avant ");
  sortie_ecrit(grand);
  sortie_ecrit(" apres");
  erreur_ecrit(message, "!", "\n");
  sortie_printf("%s", grand.c_str());
  flux_termine();
  EXPECT_EQ(sortie, "avant " + grand + " apres" + grand);
  EXPECT_EQ(erreur, message + "!\n");
}

// Many small writes fill and empty the buffer many times over.
TEST_F(Flux, ManySmallWritesComeOutWhole) {
  std::string attendu;
  for (int i = 0; i < 100000; ++i) {
    sortie_entier(i);
    sortie_ecrit("\n");
    attendu += std::to_string(i) + "\n";
    if (i % 777 == 0) sortie_due();
  }
  flux_termine();
  EXPECT_EQ(sortie, attendu);
}

// The usual reasons in French; any other, the system's own words.
TEST(Raisons, UsualOnesInFrenchOthersAsTheSystemSaysThem) {
  EXPECT_EQ(std::string(raison_systeme(ENOSPC)), latin1("plus de place sur le support"));
  EXPECT_EQ(std::string(raison_systeme(ELOOP)), std::strerror(ELOOP));
}

}  // namespace
