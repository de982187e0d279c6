#include "io/flux.h"

#include <langinfo.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "io/latin1.h"

namespace {

// Standard output used to be written whenever this many bytes waited in its
// buffer, besides its flush points. Where the two streams share a
// destination, that shaped the order in which a reader saw them; the order is
// kept, so the bytes not yet due never exceed this.
constexpr std::size_t seuil_historique = 1 << 16;
// Room of each buffer: the bytes not yet due, and three times as many due
// ones, so that a long listing leaves in writes of 192 KiB or more.
constexpr std::size_t capacite = 4 * seuil_historique;
// Bytes held before the due ones go to a pipe or a socket: one write fits in
// the pipe's usual room, so the program seldom waits for its reader to drain
// it, and the reader runs beside it instead of after it.
constexpr std::size_t remplissage_tube = 1 << 16;

// Where bytes go: a descriptor, or a string for a run inside the process.
// The bytes held are the due ones first, then those not yet due.
struct Destination {
  int descripteur = -1;            // written to when capture is null
  std::string* capture = nullptr;  // in-memory sink instead of the descriptor
  bool immediat = false;           // due bytes are written at once (a terminal)
  bool utf8 = false;               // the program's own texts go out in UTF-8 (a UTF-8 terminal)
  const char* nom = "";            // the stream, as a message names it
  int echec = 0;                   // the system's error of a failed write: nothing more is written
  bool lecteur_parti = false;      // the reader went away: nothing more is written, quietly
  bool abandonnee = false;         // stalled while a signal ends the process: the rest is dropped
  std::size_t remplissage = capacite;  // bytes held at most before the due ones are written
  std::size_t taille = 0;          // bytes held
  std::size_t du = 0;              // of which due, at the front
  char octets[capacite];           // the bytes held
};

Destination destinations[2];
Destination* sortie = &destinations[0];  // standard output's
Destination* erreur = &destinations[1];  // standard error's: the same one when they share it
std::size_t attente_historique = 0;      // bytes written to standard output since it was last due
volatile std::sig_atomic_t signal_recu = 0;  // a termination signal not yet acted on
bool ecriture_en_echec = false;          // a write failed for another reason than a reader gone away

// Once a termination signal has come, a destination gets this long to take
// more bytes each time it is waited for; a stalled one loses the rest.
constexpr int delai_arret_ms = 200;

void prepare(Destination& d, int descripteur, std::string* capture, bool immediat, bool tube = false) {
  d.descripteur = descripteur;
  d.capture = capture;
  d.immediat = immediat;
  d.utf8 = false;
  d.echec = 0;
  d.lecteur_parti = false;
  d.abandonnee = false;
  d.remplissage = tube ? remplissage_tube : capacite;
  d.taille = 0;
  d.du = 0;
}

// Waits until the descriptor takes bytes; false when the delay (in ms, -1
// for none) ran out. A signal ends the wait early.
bool attend_ecriture(const Destination& d, int delai) {
  pollfd attente{d.descripteur, POLLOUT, 0};
  return ::poll(&attente, 1, delai) != 0;
}

void echec_ecriture(Destination& d, int numero) {
  d.echec = numero;
  ecriture_en_echec = true;
  // Said on standard error, unless that is where writing failed.
  if (&d != erreur) erreur_ecrit("rythme : écriture impossible sur "_l1, d.nom, " : ", raison_systeme(numero), ".\n");
}

void ecrit_tout(Destination& d, const char* octets, std::size_t n) {
  if (d.capture != nullptr) {
    d.capture->append(octets, n);
    return;
  }
  while (n > 0 && d.echec == 0 && !d.lecteur_parti && !d.abandonnee) {  // GCOVR_EXCL_BR_LINE: abandonnee only in a process a signal ends
    const bool arret = signal_recu != 0;
    // While a signal ends the process, a stalled reader must not hold it: the
    // bytes go in pieces that a writable pipe takes without waiting.
    if (arret && !attend_ecriture(d, delai_arret_ms)) {  // GCOVR_EXCL_BR_LINE: only in a process a signal ends
      // GCOVR_EXCL_START: the process ends by the signal, and its counts with it
      d.abandonnee = true;
      return;
      // GCOVR_EXCL_STOP
    }
    const ssize_t ecrit = ::write(d.descripteur, octets, arret ? std::min<std::size_t>(n, PIPE_BUF) : n);  // GCOVR_EXCL_BR_LINE: the same
    if (ecrit < 0) {
      if (errno == EINTR) continue;  // GCOVR_EXCL_BR_LINE: a signal, seen at the next turn
      if (errno == EAGAIN || errno == EWOULDBLOCK) {  // GCOVR_EXCL_BR_LINE: the two are one on this system
        // A descriptor left non-blocking: wait for room, lose nothing; while
        // a signal ends the process, only a while.
        const bool arret_en_cours = signal_recu != 0;
        if (!attend_ecriture(d, arret_en_cours ? delai_arret_ms : -1) && arret_en_cours) d.abandonnee = true;  // GCOVR_EXCL_BR_LINE: the same
        continue;
      }
      if (errno == EPIPE) {
        d.lecteur_parti = true;  // the analysis goes on for the reports on the other stream
        return;
      }
      echec_ecriture(d, errno);
      return;
    }
    octets += ecrit;
    n -= static_cast<std::size_t>(ecrit);
  }
}

// The program's own Latin-1 text for a UTF-8 terminal: each byte above 127
// becomes two.
std::size_t octets_hauts(std::string_view s) {
  std::size_t n = 0;
  for (const char c : s) n += static_cast<unsigned char>(c) >> 7;
  return n;
}
char* en_utf8(char* fin, std::string_view s) {
  for (const char c : s) {
    const auto octet = static_cast<unsigned char>(c);
    if (octet < 0x80) {
      *fin++ = c;
    } else {
      *fin++ = static_cast<char>(0xC0 | (octet >> 6));
      *fin++ = static_cast<char>(0x80 | (octet & 0x3F));
    }
  }
  return fin;
}
std::string en_utf8(std::string_view s) {
  std::string u(s.size() + octets_hauts(s), '\0');
  en_utf8(u.data(), s);
  return u;
}

// Writes the due bytes; those not yet due move to the front.
void livre_du(Destination& d) {
  if (d.du == 0) return;
  ecrit_tout(d, d.octets, d.du);
  std::memmove(d.octets, d.octets + d.du, d.taille - d.du);
  d.taille -= d.du;
  d.du = 0;
}

void rend_du(Destination& d) {
  d.du = d.taille;
  if (d.immediat) livre_du(d);
}

// Adds due bytes: after those already due, before those not yet due.
void insere_du(Destination& d, std::string_view a, std::string_view b = {}, std::string_view c = {}) {
  const std::size_t n = a.size() + b.size() + c.size();
  if (d.taille + n > d.remplissage) livre_du(d);
  if (d.taille + n > capacite) {
    // Larger than the room left: what was due is written, these come next.
    for (std::string_view partie : {a, b, c}) ecrit_tout(d, partie.data(), partie.size());
    return;
  }
  char* place = d.octets + d.du;
  std::memmove(place + n, place, d.taille - d.du);
  for (std::string_view partie : {a, b, c}) {
    if (partie.empty()) continue;  // an empty view may hold no pointer
    std::memcpy(place, partie.data(), partie.size());
    place += partie.size();
  }
  d.du += n;
  d.taille += n;
}

void termine(Destination& d) {
  d.du = d.taille;
  livre_du(d);
}

// GCOVR_EXCL_START: runs only in a process that the signal then ends, whose counts are never written
// Ends the process by the signal received, as if it had never been caught.
void termine_par_le_signal(int numero) {
  struct sigaction defaut {};
  defaut.sa_handler = SIG_DFL;
  sigemptyset(&defaut.sa_mask);
  ::sigaction(numero, &defaut, nullptr);
  ::raise(numero);
}

// The last word after a termination signal: a write that began just as the
// signal came, before it could be seen, may wait on a stalled reader for ever.
extern "C" void au_delai_d_arret(int) { termine_par_le_signal(signal_recu); }

extern "C" void au_signal(int numero) {
  if (signal_recu != 0) {
    // A second signal while the first is being acted on: end at once.
    termine_par_le_signal(numero);
    return;
  }
  signal_recu = numero;
  struct sigaction alarme {};
  alarme.sa_handler = au_delai_d_arret;
  sigemptyset(&alarme.sa_mask);
  ::sigaction(SIGALRM, &alarme, nullptr);
  itimerval delai{};
  delai.it_value.tv_usec = 3 * delai_arret_ms * 1000;  // a few waits of a stalled destination
  ::setitimer(ITIMER_REAL, &delai, nullptr);
  // GCOVR_EXCL_STOP
}

}  // namespace

char* sortie_place(std::size_t n) {
  Destination& d = *sortie;
  if (d.utf8) [[unlikely]] n *= 2;  // room for the text once in UTF-8
  // What is not yet due stays below the threshold, so there is room once the
  // due bytes are written.
  if (d.taille + n > d.remplissage) livre_du(d);
  return d.octets + d.taille;
}

namespace {

void avance(std::size_t n) {
  Destination& d = *sortie;
  const std::size_t avant = d.taille;
  d.taille += n;
  if (attente_historique + n > seuil_historique) {  // GCOVR_EXCL_BR_LINE: see below
    // GCOVR_EXCL_START: no piece writes this much between two due points
    // now that input bytes are never echoed; kept so that one never could
    // hold its output past where the old buffer wrote it out.
    // The old buffer would have been written out before these bytes.
    attente_historique = 0;
    d.du = avant;
    if (d.immediat) livre_du(d);
    // GCOVR_EXCL_STOP
  }
  attente_historique += n;
}

void ecrit_tel_quel(std::string_view octets) {
  const std::size_t n = octets.size();
  if (n > seuil_historique) {
    // Too large to wait: due now, after everything before it.
    Destination& d = *sortie;
    attente_historique = 0;
    d.du = d.taille;
    insere_du(d, octets);
    if (d.immediat) livre_du(d);
    return;
  }
  std::memcpy(sortie_place(n), octets.data(), n);
  avance(n);
}

}  // namespace

namespace {

// The text written in place becomes UTF-8 where it lies; its new length.
[[gnu::cold]] [[gnu::noinline]] std::size_t en_utf8_sur_place(Destination& d, std::size_t n) {
  char* const debut = d.octets + d.taille;
  const std::string u = en_utf8(std::string_view(debut, n));
  std::memcpy(debut, u.data(), u.size());
  return u.size();
}

}  // namespace

void sortie_avance(std::size_t n) {
  Destination& d = *sortie;
  if (d.utf8) [[unlikely]] n = en_utf8_sur_place(d, n);
  avance(n);
}

void sortie_ecrit(std::string_view octets) {
  if (sortie->utf8 && octets_hauts(octets) != 0) {
    ecrit_tel_quel(en_utf8(octets));
    return;
  }
  ecrit_tel_quel(octets);
}

void sortie_entier(int32_t n) {
  char* const debut = sortie_place(Ecriture::chiffres_entier_max);
  Ecriture e{debut};
  e.entier(n);
  sortie_avance(static_cast<std::size_t>(e.fin - debut));
}

void sortie_due() {
  attente_historique = 0;
  rend_du(*sortie);
  flux_verifie_signal();
}

void erreur_ecrit(std::string_view debut, std::string_view milieu, std::string_view fin) {
  Destination& d = *erreur;
  if (d.utf8) {
    insere_du(d, en_utf8(debut), en_utf8(milieu), en_utf8(fin));
  } else {
    insere_du(d, debut, milieu, fin);
  }
  if (d.immediat) livre_du(d);
}

void erreur_ecrit_avec_octets_lus(std::string_view avant, std::string_view lus, std::string_view apres) {
  Destination& d = *erreur;
  if (d.utf8) {
    insere_du(d, en_utf8(avant), lus, en_utf8(apres));
  } else {
    insere_du(d, avant, lus, apres);
  }
  if (d.immediat) livre_du(d);
}

void erreur_ecrit(std::string_view a, std::string_view b, std::string_view c, std::string_view d,
                  std::string_view e) {
  // One report in one piece, whatever its number of parts.
  std::string texte;
  texte.reserve(a.size() + b.size() + c.size() + d.size() + e.size());
  for (std::string_view partie : {a, b, c, d, e}) texte.append(partie);
  erreur_ecrit(texte);
}

bool flux_en_echec() { return ecriture_en_echec; }

namespace {

struct Raison {
  int numero;
  const char* texte;  // Latin-1
};
const Raison raisons[] = {
    {ENOSPC, "plus de place sur le support"_l1},
    {EDQUOT, "quota de disque dépassé"_l1},
    {EFBIG, "taille de fichier permise dépassée"_l1},
    {EIO, "erreur d'entrée-sortie du support"_l1},
    {EBADF, "descripteur fermé ou inutilisable dans ce sens"_l1},
    {EISDIR, "c'est un répertoire"_l1},
    {EINVAL, "opération refusée par le système pour ce descripteur"_l1},
    {EACCES, "permission refusée"_l1},
    {EPERM, "permission refusée"_l1},
    {ENXIO, "périphérique absent"_l1},
    {ENODEV, "périphérique absent"_l1},
    // Opening a file to write an export.
    {ENOENT, "répertoire inexistant"_l1},
    {ENOTDIR, "un élément du chemin n'est pas un répertoire"_l1},
    {EROFS, "support en lecture seule"_l1},
    {ENAMETOOLONG, "nom de fichier trop long"_l1},
};

}  // namespace

const char* raison_systeme(int numero) {
  for (const Raison& r : raisons)
    if (r.numero == numero) return r.texte;
  return std::strerror(numero);  // the C locale's: plain ASCII
}

namespace {

// Formats into a local buffer, or a larger one when the text needs it; the
// text is handed over whole.
template <typename Ecrit>
void formate(Ecrit ecrit, const char* format, va_list args) {
  char local[1024];
  va_list copie;
  va_copy(copie, args);
  const int n = std::vsnprintf(local, sizeof local, format, args);
  if (n >= 0 && static_cast<std::size_t>(n) < sizeof local) {  // GCOVR_EXCL_BR_LINE: the formats are the program's own and never fail
    ecrit(std::string_view(local, static_cast<std::size_t>(n)));
  } else if (n >= 0) {  // GCOVR_EXCL_BR_LINE: the formats are the program's own and never fail
    std::string grand(static_cast<std::size_t>(n) + 1, '\0');
    std::vsnprintf(grand.data(), grand.size(), format, copie);
    ecrit(std::string_view(grand.data(), static_cast<std::size_t>(n)));
  }
  va_end(copie);
}

}  // namespace

void sortie_printf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  formate([](std::string_view texte) { sortie_ecrit(texte); }, format, args);
  va_end(args);
}

void erreur_vprintf(const char* format, va_list args) {
  formate([](std::string_view texte) { erreur_ecrit(texte); }, format, args);
}


void flux_avant_lecture() {
  livre_du(*sortie);
  if (erreur != sortie) livre_du(*erreur);
  flux_verifie_signal();
}

void flux_termine() {
  attente_historique = 0;
  termine(*sortie);
  if (erreur != sortie) termine(*erreur);
}

namespace {

// Whether the locale's name (language_TERRITORY.codeset@modifier) names
// UTF-8 as its codeset, however spelt (UTF-8, utf8).
bool nom_en_utf8(const char* nom) {
  const char* point = std::strchr(nom, '.');
  if (point == nullptr) return false;
  std::string jeu;
  for (const char* c = point + 1; *c != '\0' && *c != '@'; ++c)
    if (*c != '-' && *c != '_') jeu += static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
  return jeu == "utf8";
}

// Whether the user's locale (LC_ALL, LC_CTYPE, LANG) writes UTF-8. The
// program itself keeps the C locale. A locale the system lacks still says
// its codeset in its name (LANG=fr_FR.UTF-8 where only C.UTF-8 is installed):
// the first of the three that is set is read.
bool locale_en_utf8() {
  if (std::setlocale(LC_CTYPE, "") == nullptr) {
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
      const char* nom = std::getenv(variable);
      if (nom != nullptr && *nom != '\0') return nom_en_utf8(nom);
    }
    return false;  // GCOVR_EXCL_LINE: with none of them set, the locale is C, which setlocale always takes
  }
  const bool utf8 = std::strcmp(::nl_langinfo(CODESET), "UTF-8") == 0;
  std::setlocale(LC_CTYPE, "C");
  return utf8;
}

}  // namespace

void flux_vers_descripteurs() {
  struct stat de_sortie {};
  struct stat d_erreur {};
  const bool partage = ::fstat(1, &de_sortie) == 0 && ::fstat(2, &d_erreur) == 0 &&  // GCOVR_EXCL_BR_LINE: descriptors 1 and 2 are open
                       de_sortie.st_dev == d_erreur.st_dev && de_sortie.st_ino == d_erreur.st_ino;
  const auto tube = [](const struct stat& s) { return S_ISFIFO(s.st_mode) || S_ISSOCK(s.st_mode); };
  prepare(destinations[0], 1, nullptr, ::isatty(1) == 1, tube(de_sortie));
  prepare(destinations[1], 2, nullptr, ::isatty(2) == 1, tube(d_erreur));
  destinations[0].nom = "la sortie standard";
  destinations[1].nom = "la sortie d'erreur standard";
  if (destinations[0].immediat || destinations[1].immediat) {
    const bool utf8 = locale_en_utf8();
    destinations[0].utf8 = destinations[0].immediat && utf8;
    destinations[1].utf8 = destinations[1].immediat && utf8;
  }
  ecriture_en_echec = false;
  sortie = &destinations[0];
  erreur = partage ? &destinations[0] : &destinations[1];
  attente_historique = 0;
}

void flux_sortie_ecartee() {
  destinations[0].lecteur_parti = true;
  erreur = &destinations[1];  // pointed at descriptor 2 in any case
}

void flux_vers_chaines(std::string* texte_sortie, std::string* texte_erreur) {
  ecriture_en_echec = false;
  // Each stream reaches its string as soon as its bytes are due, so that a
  // test reads each report, and each piece's output, once it is made.
  prepare(destinations[0], -1, texte_sortie, true);
  prepare(destinations[1], -1, texte_erreur, true);
  sortie = &destinations[0];
  erreur = &destinations[1];
  attente_historique = 0;
}

void flux_garde_signaux() {
  for (const int numero : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction ancienne {};
    if (::sigaction(numero, nullptr, &ancienne) != 0 || ancienne.sa_handler == SIG_IGN) continue;  // GCOVR_EXCL_BR_LINE: the three signals exist
    struct sigaction action {};
    action.sa_handler = au_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // a read that waits is interrupted, so that the signal is seen
    ::sigaction(numero, &action, nullptr);
  }
}

void flux_verifie_signal() {
  const int numero = signal_recu;
  if (numero == 0) return;
  // GCOVR_EXCL_START: the process ends by the signal, and its counts with it
  flux_termine();
  termine_par_le_signal(numero);
  ::_exit(128 + numero);  // not reached: the signal ends the process
  // GCOVR_EXCL_STOP
}
