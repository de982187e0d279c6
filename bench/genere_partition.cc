// Writes a large score on standard output, for the benchmarks:
//   genere_partition KIND MEGABYTES
// KIND: "correcte" (a correct 4/4 piece with groups and ties, to be checked
// with the words 4 4), "sans_mesure" (the same with no meter given: the meter
// is inferred from the first measure), "fautive" (a text dense with errors).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Measures of four quarter-note beats, each closed by count and followed by a
// bar that stands as a piece of its own.
const char* const correctes[] = {
    "! ! ! ! |\n",
    "[[ ! ff[ ! |\n",
    "!_! ! [[ |\n",
    "([[[)3 ! < ! |\n",
    "[[ [[ ! < |\n",
    "!_!_!_! |\n",
};

// Early and late bars, over-dotted values, misplaced blanks, stray signs,
// unrecognised characters, irregular groups.
const char* const fautives[] = {
    "! ! | ",
    "! ! ! d |\n",
    "t.. [ ! ! |\n",
    "[ [ ! ! ! |\n",
    "! ab! ! ! |\n",
    "(![) ! ! |\n",
    "! ! ! ! |\n \n",
    "q._q ! ! ! |\n",
    "! % ! ! ! |\n",
    "! / ! ! ! |\n",
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: genere_partition correcte|sans_mesure|fautive MEGABYTES\n");
    return 2;
  }
  const std::string genre = argv[1];
  const long long voulu = std::atoll(argv[2]) * 1024 * 1024;
  const char* const* modeles = correctes;
  std::size_t nombre = sizeof correctes / sizeof *correctes;
  if (genre == "fautive") {
    modeles = fautives;
    nombre = sizeof fautives / sizeof *fautives;
  } else if (genre != "correcte" && genre != "sans_mesure") {
    std::fprintf(stderr, "genere_partition: unknown kind %s\n", argv[1]);
    return 2;
  }
  std::string texte;
  long long ecrit = 0;
  // With no meter given, the first measure, closed by its bar, sets it.
  if (genre == "sans_mesure") texte += "! ! ! ! |\n";
  for (std::size_t i = 0; ecrit + static_cast<long long>(texte.size()) < voulu; ++i) {
    texte += modeles[i % nombre];
    if (texte.size() >= (1u << 20)) {
      std::fwrite(texte.data(), 1, texte.size(), stdout);
      ecrit += static_cast<long long>(texte.size());
      texte.clear();
    }
  }
  texte += "||\n";
  std::fwrite(texte.data(), 1, texte.size(), stdout);
  return 0;
}
