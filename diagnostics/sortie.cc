#include "diagnostics/sortie.h"

#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

constexpr std::size_t taille_tampon = 1 << 16;

void ecrit_tout(Flux& flux, const char* octets, std::size_t n) {
  if (flux.capture != nullptr) {
    flux.capture->append(octets, n);
    return;
  }
  while (n > 0) {
    const ssize_t ecrit = ::write(flux.descripteur, octets, n);
    if (ecrit < 0) {
      if (errno == EINTR) continue;
      return;  // a closed or full stream is not reported: there is nowhere to report it
    }
    octets += ecrit;
    n -= static_cast<std::size_t>(ecrit);
  }
}

}  // namespace

Flux sortie_standard{1, nullptr, true, {}};
Flux erreur_standard{2, nullptr, false, {}};

void flux_ecrit(Flux& flux, const char* octets, std::size_t n) {
  if (!flux.tamponne) {
    ecrit_tout(flux, octets, n);
    return;
  }
  if (flux.tampon.size() + n > taille_tampon) {
    vide_flux(flux);
    if (n > taille_tampon) {
      ecrit_tout(flux, octets, n);
      return;
    }
  }
  flux.tampon.append(octets, n);
}

void flux_ecrit(Flux& flux, const char* texte) { flux_ecrit(flux, texte, std::strlen(texte)); }

void flux_printf(Flux& flux, const char* format, ...) {
  va_list args;
  va_start(args, format);
  flux_vprintf(flux, format, args);
  va_end(args);
}

// Formats into a local buffer, or a larger one when the text needs it, and
// writes the whole text with one call.
void flux_vprintf(Flux& flux, const char* format, va_list args) {
  char local[1024];
  va_list copie;
  va_copy(copie, args);
  const int n = std::vsnprintf(local, sizeof local, format, args);
  if (n >= 0 && static_cast<std::size_t>(n) < sizeof local) {
    flux_ecrit(flux, local, static_cast<std::size_t>(n));
  } else if (n >= 0) {
    std::string grand(static_cast<std::size_t>(n) + 1, '\0');
    std::vsnprintf(grand.data(), grand.size(), format, copie);
    flux_ecrit(flux, grand.data(), static_cast<std::size_t>(n));
  }
  va_end(copie);
}

void ecrit_sortie_entier(int32_t n) {
  char chiffres[12];
  char* fin = chiffres + sizeof chiffres;
  char* p = fin;
  // Work on the magnitude as unsigned, so that the most negative value fits.
  uint32_t reste = n < 0 ? 0u - static_cast<uint32_t>(n) : static_cast<uint32_t>(n);
  do {
    *--p = static_cast<char>('0' + reste % 10);
    reste /= 10;
  } while (reste != 0);
  if (n < 0) *--p = '-';
  flux_ecrit(sortie_standard, p, static_cast<std::size_t>(fin - p));
}

void vide_flux(Flux& flux) {
  if (flux.tampon.empty()) return;
  ecrit_tout(flux, flux.tampon.data(), flux.tampon.size());
  flux.tampon.clear();
}

void flux_vers_descripteurs() {
  sortie_standard = Flux{1, nullptr, true, {}};
  sortie_standard.tampon.reserve(taille_tampon);
  erreur_standard = Flux{2, nullptr, false, {}};
}

void flux_vers_chaines(std::string* sortie, std::string* erreur) {
  sortie_standard = Flux{-1, sortie, true, {}};
  erreur_standard = Flux{-1, erreur, false, {}};
}
