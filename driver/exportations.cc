#include "driver/exportations.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string_view>

#include "export/midi.h"
#include "export/musicxml.h"
#include "io/flux.h"
#include "io/latin1.h"
#include "musique/deroule.h"
#include "musique/piece.h"

namespace {

constexpr int tempo_min = 1, tempo_max = 1000;

// A file name as a message shows it: its bytes, control characters as '?'.
std::string nom_montre(std::string_view nom) {
  std::string montre;
  for (const char c : nom) montre += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c;
  return montre;
}

std::string refus_option(const char* option, const char* attendu) {
  std::string m = "rythme : l'option ";
  m += option;
  m += attendu;
  m += ".\n";
  return m;
}

// All of octets on descriptor fd; a reader gone away is not a failure.
int ecrit_tout(int fd, const std::string& octets) {
  const char* o = octets.data();
  std::size_t n = octets.size();
  while (n > 0) {
    const ssize_t ecrit = ::write(fd, o, n);
    if (ecrit < 0) {
      if (errno == EINTR) continue;
      if (errno == EAGAIN || errno == EWOULDBLOCK) {
        pollfd attente{fd, POLLOUT, 0};
        ::poll(&attente, 1, -1);
        continue;
      }
      return errno == EPIPE ? 0 : errno;
    }
    o += ecrit;
    n -= static_cast<std::size_t>(ecrit);
  }
  return 0;
}

bool ecrit_fichier(const std::string& nom, const std::string& octets) {
  int numero = 0;
  if (nom == "-") {
    numero = ecrit_tout(1, octets);
  } else {
    const int fd = ::open(nom.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
      numero = errno;
    } else {
      numero = ecrit_tout(fd, octets);
      if (::close(fd) != 0 && numero == 0 && errno != EINTR) numero = errno;
    }
  }
  if (numero == 0) return true;
  const std::string lieu = nom == "-" ? std::string("la sortie standard") : "«"_l1 + nom_montre(nom) + "»"_l1;
  erreur_ecrit("rythme : écriture impossible sur "_l1, lieu, " : ", raison_systeme(numero), ".\n");
  return false;
}

}  // namespace

int lit_exportations(int argc, const char* const* argv, Exportations& e, std::string& refus) {
  int i = 1;
  for (; i < argc; ++i) {
    const std::string_view mot = argv[i];
    std::string* fichier = mot == "--musicxml" ? &e.musicxml : mot == "--midi" ? &e.midi : nullptr;
    if (fichier == nullptr && mot != "--tempo") break;
    if (i + 1 == argc || argv[i + 1][0] == '\0') {
      refus = refus_option(argv[i], fichier != nullptr ? " attend un nom de fichier (- : la sortie standard)"
                                                      : " attend un nombre de noires par minute");
      return -1;
    }
    const char* valeur = argv[++i];
    if (fichier != nullptr) {
      *fichier = valeur;
      continue;
    }
    char* fin = nullptr;
    errno = 0;
    const long tempo = std::strtol(valeur, &fin, 10);
    if (*fin != '\0' || errno != 0 || tempo < tempo_min || tempo > tempo_max || !(*valeur >= '0' && *valeur <= '9')) {
      refus = "rythme : tempo «"_l1 + nom_montre(valeur).substr(0, 40) +
              "» refusé : un nombre entier de noires par minute, de 1 à 1000, est attendu.\n"_l1;
      return -1;
    }
    e.tempo = static_cast<int>(tempo);
  }
  if (e.musicxml == "-" && e.midi == "-") {
    refus = "rythme : une seule exportation peut aller sur la sortie standard (-).\n";
    return -1;
  }
  return i - 1;
}

bool ecrit_exportations(const Exportations& e, const Recueil& recueil) {
  if (recueil.mot_refuse >= 0 || !recueil.fatal.empty()) return true;
  const Piece piece = lis_piece(recueil);
  bool ecrits = true;
  if (!e.musicxml.empty()) ecrits = ecrit_fichier(e.musicxml, en_musicxml(piece, recueil, e.tempo)) && ecrits;
  if (!e.midi.empty()) ecrits = ecrit_fichier(e.midi, en_midi(piece, deroule(piece, ordre_de_lecture(piece)), e.tempo)) && ecrits;
  return ecrits;
}
