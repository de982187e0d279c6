#include "notation/valeurs.h"

#include <gtest/gtest.h>

namespace {

TEST(Valeurs, ValeurGroupe) {
  const int32_t attendu[][3] = {{48, 2, 72},  {48, 3, 32}, {20, 5, 12}, {28, 7, 16}, {10, 3, 6},
                                {-10, 3, -6}, {48, 1, 0},  {48, 8, 0},  {40, 4, 60}, {60, 6, 90}};
  for (const auto& a : attendu) EXPECT_EQ(valeur_groupe(a[0], a[1]), a[2]) << a[0] << ' ' << a[1];
}

}  // namespace
