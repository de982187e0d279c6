#include "tests/support/capture.h"

#include "driver/execution.h"
#include "io/fatal.h"
#include "io/flux.h"
#include "state/etat.h"

std::string latin1(std::string_view utf8) {
  std::string r;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if ((c == 0xC2 || c == 0xC3) && i + 1 < utf8.size()) {
      r += static_cast<char>(((c & 0x1F) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F));
      ++i;
    } else {
      r += static_cast<char>(c);
    }
  }
  return r;
}

void AvecEtatPropre::SetUp() {
  reinitialise_etat();
  flux_vers_chaines(&sortie, &erreur);
  fixe_mode_fin(ModeFin::exception);
}

void AvecEtatPropre::TearDown() {
  flux_termine();
  fixe_mode_fin(ModeFin::quitte);
  flux_vers_descripteurs();
  reinitialise_etat();
}
