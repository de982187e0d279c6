#include "recueil/etendues.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/execution.h"

namespace {

std::string repete(std::string_view motif, int fois) {
  std::string s;
  for (int i = 0; i < fois; ++i) s += motif;
  return s;
}

// Places that stand for several bytes, or for none: the bytes a report gets.
TEST(CarteDuTexte, APlaceOfSeveralBytesOrNoneGetsTheBytesItStandsFor) {
  const std::string surfrappe = repete("a\b", 100) + "b |";  // a hundred 'a' and a 'b' at line 1, column 1
  const std::string trop = repete("a\b", 300) + "b |";
  struct Cas {
    const char* quoi;
    std::string texte;
    Point debut;
    Ligne lignes;
    Colonne largeur;
    std::string_view jeton;
    std::size_t depuis;
    Octets attendu;
  };
  const std::vector<Cas> cas = {
      {"overprinted: the token, looked for from the previous report", surfrappe, {1, 1}, 0, 1, "b", 150, {200, 201}},
      {"overprinted past the tries: the first byte", surfrappe, {1, 1}, 0, 1, "b", 0, {0, 1}},
      {"overprinted, the token before the previous report", surfrappe, {1, 1}, 0, 1, "b", 202, {200, 201}},
      {"overprinted, no such token: the first byte", surfrappe, {1, 1}, 0, 1, "x", 202, {0, 1}},
      {"overprinted hundreds of times: the token, from the previous report", trop, {1, 1}, 0, 1, "b", 599, {600, 601}},
      {"a backspace at column 1, then a line break", "!\b\b\n!", {2, 1}, 0, 1, "!", 0, {4, 5}},
      {"after a carriage return, over two lines", "ab\r!!\n!", {1, 2}, 1, 1, "!", 3, {4, 7}},
      {"a form feed after a bar numbers again: the first", "! |\f! |", {1, 1}, 0, 1, "!", 0, {0, 1}},
      {"a form feed after a bar numbers again: the second", "! |\f! |", {1, 1}, 0, 1, "!", 2, {4, 5}},
      {"inside a tab: the tab", "\t!", {1, 3}, 0, 1, "", 0, {0, 1}},
      {"on a line a vertical tab skipped: the tab", "!\v\v!", {2, 1}, 0, 1, "", 0, {1, 2}},
      {"before the first column: the first byte", "!!", {1, 0}, 0, 1, "", 0, {0, 1}},
  };
  for (const Cas& c : cas) {
    reinitialise_etat();
    const CarteDuTexte carte(c.texte);
    const Octets o = carte.octets_du_rapport(c.debut, c.lignes, c.largeur, c.jeton, c.depuis);
    EXPECT_EQ(o.debut, c.attendu.debut) << c.quoi;
    EXPECT_EQ(o.fin, c.attendu.fin) << c.quoi;
  }
}

}  // namespace
