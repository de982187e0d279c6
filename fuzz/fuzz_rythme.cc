// libFuzzer harness: one whole analysis per input, in-process. The first three
// bytes choose the command-line words (and the first, how the run is
// recorded), the rest is standard input. Every run
// must end with status 0 or 1; a fatal message ends the run, not the fuzzer.
// Its output must stay within a bound proportional to the text: a text that
// makes the checker write more is a fault, found as a crash.
//
// The run is recorded as the page or the console records it, and everything
// made from the records runs too: the piece, its playback order and sounds,
// both exports, and the text's dictation graded against itself (run for the
// sanitizers: both sides are made alike, so its grade cannot but be right). The exports must hold what any reader of them relies on: a
// MusicXML score an editor can parse (UTF-8, no control character, entities
// whole, measures closed), a MIDI file whose chunks and events can be walked
// to their ends.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "dictee/correction.h"
#include "driver/execution.h"
#include "export/midi.h"
#include "export/musicxml.h"
#include "musique/deroule.h"
#include "musique/piece.h"
#include "recueil/collecte.h"

namespace {

// The denominators tried: the ladder, a few to be rounded, and two out of range.
const char* const denominateurs[] = {"1", "2", "4", "8", "16", "32", "64", "3", "5", "7", "12", "48", "49", "0", "65"};

std::vector<std::string> mots_de_commande(uint8_t choix, uint8_t a, uint8_t b) {
  const std::string n = std::to_string(1 + a % 99);
  const std::string d = denominateurs[b % (sizeof denominateurs / sizeof *denominateurs)];
  switch (choix % 8) {
    case 0: return {};
    case 1: return {n, d};
    case 2: return {n, d, "1"};
    case 3: return {n};                         // one word: ignored
    case 4: return {n, d, "1", "x"};            // four words: ignored
    case 5: return {std::to_string(a), d};      // numerator 0 or above 99 is fatal
    case 6: return {" +" + n, d, "  -7"};       // C conversion: blanks and signs
    default: return {n, d, std::to_string(a * 257 + b)};
  }
}

// Bytes both streams may hold in all for a text of n bytes. The most a byte
// gives is one whole note in a meter of 64 sixty-fourths: a measure of 64
// listed beats, about 2,280 bytes for texts of up to 4 KiB (see README); the
// constant covers the meter's description and the banners of a short text.
constexpr std::size_t octets_par_octet = 2400;
constexpr std::size_t octets_fixes = 4096;

[[noreturn]] void faute(const char* quoi, std::size_t ou) {
  std::fprintf(stderr, "%s (byte %zu)\n", quoi, ou);
  std::abort();
}

// The checks below are the harness's, not code under test: no coverage is
// traced in them, which would slow every run and guide the fuzzer nowhere,
// and they compare bytes one by one, so that the fuzzer does not take the
// exports' words (which a comparison of memory would hand it) for words of
// the notation.
#define HORS_COUVERTURE __attribute__((no_sanitize("coverage")))

HORS_COUVERTURE bool a_la(std::string_view x, std::size_t i, std::string_view motif) {
  if (i > x.size() || x.size() - i < motif.size()) return false;
  for (std::size_t k = 0; k < motif.size(); ++k)
    if (x[i + k] != motif[k]) return false;
  return true;
}

HORS_COUVERTURE unsigned octet(std::string_view x, std::size_t i) { return static_cast<unsigned char>(x[i]); }

// A score an XML parser takes: UTF-8 throughout, no control character but
// tabs and line ends, every '&' an entity, as many measures closed as opened.
HORS_COUVERTURE void verifie_musicxml(std::string_view x) {
  std::size_t ouvertes = 0, fermees = 0;
  for (std::size_t i = 0; i < x.size();) {
    const unsigned c = octet(x, i);
    if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') faute("MusicXML: a control character", i);
    if (c == '&') {
      std::size_t k = i + 1;
      if (k < x.size() && x[k] == '#') {
        while (++k < x.size() && x[k] >= '0' && x[k] <= '9') {}
        if (k == i + 2 || k == x.size() || x[k] != ';') faute("MusicXML: an '&' that starts no entity", i);
      } else if (!a_la(x, k, "amp;") && !a_la(x, k, "lt;") && !a_la(x, k, "gt;") && !a_la(x, k, "quot;") &&
                 !a_la(x, k, "apos;")) {
        faute("MusicXML: an '&' that starts no entity", i);
      }
    }
    if (a_la(x, i, "<measure ")) ++ouvertes;
    if (a_la(x, i, "</measure>")) ++fermees;
    // UTF-8: a lead byte (no overlong pair, nothing past U+10FFFF), then as
    // many continuation bytes as it says.
    const std::size_t suite = c < 0x80                 ? 0
                              : c >= 0xC2 && c <= 0xDF ? 1
                              : (c & 0xF0) == 0xE0     ? 2
                              : c >= 0xF0 && c <= 0xF4 ? 3
                                                       : 9;
    if (suite == 9 || (suite > 0 && i + suite >= x.size())) faute("MusicXML: not UTF-8", i);
    for (std::size_t k = 1; k <= suite; ++k)
      if ((octet(x, i + k) & 0xC0) != 0x80) faute("MusicXML: not UTF-8", i);
    i += suite + 1;
  }
  if (ouvertes != fermees || x.size() < 18 || !a_la(x, x.size() - 18, "</score-partwise>\n"))
    faute("MusicXML: a measure or the score left open", x.size());
}

// A Standard MIDI File of two tracks whose every event can be read to its
// track's end-of-track event, which ends the chunk.
HORS_COUVERTURE void verifie_midi(std::string_view m) {
  if (!a_la(m, 0, std::string_view("MThd\0\0\0\6\0\1\0\2", 12)) || m.size() < 14) faute("MIDI: header", 0);
  std::size_t i = 14;
  for (int piste = 0; piste < 2; ++piste) {
    if (!a_la(m, i, "MTrk") || i + 8 > m.size()) faute("MIDI: no track", i);
    const std::size_t longueur = std::size_t{octet(m, i + 4)} << 24 | std::size_t{octet(m, i + 5)} << 16 |
                                 std::size_t{octet(m, i + 6)} << 8 | octet(m, i + 7);
    const std::size_t fin = i + 8 + longueur;
    if (fin > m.size()) faute("MIDI: a track past the file's end", i);
    bool finie = false;
    for (i += 8; i < fin && !finie;) {
      for (int k = 0; i < fin && (octet(m, i) & 0x80) != 0; ++k, ++i)  // the delta time
        if (k == 3) faute("MIDI: a delta time of more than 4 bytes", i);
      if (++i >= fin) faute("MIDI: an event cut", i);
      const unsigned statut = octet(m, i);
      std::size_t donnees = 0;  // data bytes, each below 128
      if (statut == 0xFF) {
        if (i + 2 >= fin) faute("MIDI: a meta event cut", i);
        finie = octet(m, i + 1) == 0x2F;
        if (octet(m, i + 2) >= 0x80) faute("MIDI: a meta event longer than the one byte its length is written in", i);
        i += 3 + octet(m, i + 2);
      } else if (statut >= 0x80 && statut < 0xF0) {
        donnees = (statut & 0xE0) == 0xC0 ? 1 : 2;
        if (i + donnees >= fin) faute("MIDI: an event cut", i);
        for (std::size_t k = 1; k <= donnees; ++k)
          if (octet(m, i + k) >= 0x80) faute("MIDI: a data byte of 128 or more", i + k);
        i += 1 + donnees;
      } else {
        faute("MIDI: an unknown event", i);
      }
    }
    if (!finie || i != fin) faute("MIDI: a track not ended where its chunk ends", i);
  }
  if (i != m.size()) faute("MIDI: bytes after the tracks", i);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, std::size_t taille) {
  if (taille < 3) return 0;
  const std::vector<std::string> mots = mots_de_commande(donnees[0], donnees[1], donnees[2]);
  const std::string_view entree(reinterpret_cast<const char*>(donnees + 3), taille - 3);
  // The records as each of their readers asks for them, chosen by the first
  // byte's next two bits: all (the page's exports), the console's exports'
  // (no listing's texts, no beats' bytes, the signs' bytes only when a report
  // needs them), or the page's own, capped (here low, for short texts).
  static const Limites limites[] = {
      {},
      {.octets_des_temps = false, .textes = false, .octets_des_signes = false},
      {.rapports = 3, .signes = 40},
      {.rapports = 0, .signes = 1},
  };
  Collecte collecte(entree, limites[donnees[0] >> 3 & 3]);
  const Execution r = execute_en_memoire(mots, entree);
  const Recueil recueil = collecte.termine(r.fin());
  if (r.statut != 0 && r.statut != 1) std::abort();
  const std::size_t ecrits = r.sortie.size() + r.erreur.size();
  if (ecrits > octets_par_octet * entree.size() + octets_fixes) {
    std::fprintf(stderr, "%zu bytes written for a text of %zu bytes: more than %zu per byte and %zu\n", ecrits,
                 entree.size(), octets_par_octet, octets_fixes);
    std::abort();
  }
  if (recueil.mot_refuse >= 0 || !recueil.fatal.empty()) return 0;
  const Piece piece = lis_piece(recueil);
  deroule(piece, ordre_de_lecture(piece));
  const int tempo = 1 + donnees[1] * 999 / 255;  // 1 to 1000 quarter notes a minute
  verifie_musicxml(en_musicxml(piece, recueil, tempo));
  verifie_midi(en_midi(piece, tempo));
  const Correction c = corrige(recueil, recueil);
  if (c.premier_faux != -1 || c.autre_graphie || c.justes != static_cast<int32_t>(c.temps.size()))
    faute("a text graded against itself is not right", 0);
  return 0;
}
