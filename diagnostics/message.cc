#include "diagnostics/message.h"

#include <cstdarg>
#include <cstdio>

#include "state/etat.h"

namespace {

void ajoute_v(const char* format, va_list args) {
  std::string& m = etat.diagnostics.message;
  va_list copie;
  va_copy(copie, args);
  char local[512];
  const int n = std::vsnprintf(local, sizeof local, format, args);
  if (n < 0) {  // GCOVR_EXCL_START: the formats are the program's own and never fail
    va_end(copie);
    return;
  }  // GCOVR_EXCL_STOP
  if (static_cast<std::size_t>(n) < sizeof local) {
    m.append(local, static_cast<std::size_t>(n));
  } else {
    const std::size_t debut = m.size();
    m.resize(debut + static_cast<std::size_t>(n) + 1);
    std::vsnprintf(m.data() + debut, static_cast<std::size_t>(n) + 1, format, copie);
    m.resize(debut + static_cast<std::size_t>(n));
  }
  va_end(copie);
}

}  // namespace

void message_compose(const char* format, ...) {
  etat.diagnostics.message.clear();
  va_list args;
  va_start(args, format);
  ajoute_v(format, args);
  va_end(args);
}

void message_ajoute(const char* format, ...) {
  va_list args;
  va_start(args, format);
  ajoute_v(format, args);
  va_end(args);
}

const char* message_texte() { return etat.diagnostics.message.c_str(); }
