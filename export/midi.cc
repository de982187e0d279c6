#include "export/midi.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string_view>
#include <cstdint>
#include <vector>

namespace {

constexpr int ticks_par_quad = ticks_par_noire / 16;
constexpr uint8_t canal_percussion = 9;  // the tenth channel
constexpr uint8_t canal_metronome = 0;
constexpr uint8_t caisse_claire = 38;
constexpr uint8_t bloc_aigu = 84, bloc_grave = 77;  // the metronome's woodblock, on a beat
constexpr uint8_t programme_woodblock = 115;
constexpr uint8_t fort = 110, doux = 80;  // a downbeat's velocity, and the others'

int64_t ticks(Fraction quads) { return quads.arrondi(ticks_par_quad); }

struct Evenement {
  int64_t tick;
  int ordre;  // at one tick: metas first, then notes ended, then notes begun
  uint8_t taille;
  std::array<uint8_t, 31> octets;  // a channel message, or a short meta event

  Evenement(int64_t t, int o, std::initializer_list<uint8_t> l) : tick(t), ordre(o), taille(0), octets{} {
    for (const uint8_t b : l) octets[taille++] = b;
  }
};

struct Piste {
  std::vector<Evenement> evenements;

  void meta(int64_t tick, uint8_t type, std::initializer_list<uint8_t> donnees) {
    Evenement e(tick, 0, {0xFF, type, static_cast<uint8_t>(donnees.size())});
    for (const uint8_t b : donnees) e.octets[e.taille++] = b;
    evenements.push_back(e);
  }
  void nom(std::string_view texte) {  // at most 28 characters
    Evenement e(0, 0, {0xFF, 0x03, static_cast<uint8_t>(texte.size())});
    for (const char c : texte) e.octets[e.taille++] = static_cast<uint8_t>(c);
    evenements.push_back(e);
  }
  void note(int64_t debut, int64_t fin, uint8_t canal, uint8_t touche, uint8_t velocite) {
    evenements.emplace_back(debut, 2, std::initializer_list<uint8_t>{static_cast<uint8_t>(0x90 | canal), touche, velocite});
    evenements.emplace_back(std::max(fin, debut + 1), 1,
                            std::initializer_list<uint8_t>{static_cast<uint8_t>(0x80 | canal), touche, 0});
  }

  // The chunk: events in time, each after its delta as a variable-length
  // number; the track ends at fin, or at its last event.
  void ecrit(std::string& f, int64_t fin) {
    std::stable_sort(evenements.begin(), evenements.end(), [](const Evenement& a, const Evenement& b) {
      return a.tick != b.tick ? a.tick < b.tick : a.ordre < b.ordre;
    });
    std::string corps;
    int64_t avant = 0;
    const auto delta = [&](int64_t t) {
      uint64_t v = static_cast<uint64_t>(t - avant);
      avant = t;
      char octets[10];
      int n = 0;
      octets[n++] = static_cast<char>(v & 0x7F);
      while ((v >>= 7) != 0) octets[n++] = static_cast<char>(0x80 | (v & 0x7F));
      while (n > 0) corps += octets[--n];
    };
    for (const Evenement& e : evenements) {
      delta(e.tick);
      corps.append(reinterpret_cast<const char*>(e.octets.data()), e.taille);
    }
    delta(std::max(avant, fin));
    corps += "\xFF\x2F";
    corps += '\0';
    f += "MTrk";
    for (int decalage = 24; decalage >= 0; decalage -= 8) f += static_cast<char>((corps.size() >> decalage) & 0xFF);
    f += corps;
  }
};

// A time signature's denominator as the file writes it, a power of two;
// -1 for one that is not.
int puissance_de_deux(int32_t d) {
  for (int p = 0; p <= 6; ++p)
    if (d == (1 << p)) return p;
  return -1;
}

}  // namespace

std::string en_midi(const Piece& piece, const Deroule& joue, int tempo) {
  Piste rythme, metronome;
  rythme.nom("Rythme");
  const uint32_t microsecondes = 60000000u / static_cast<uint32_t>(std::max(1, tempo));
  rythme.meta(0, 0x51,
              {static_cast<uint8_t>(microsecondes >> 16), static_cast<uint8_t>(microsecondes >> 8),
               static_cast<uint8_t>(microsecondes)});
  // The meter at the start and wherever the measures played change it.
  const Metre* avant = nullptr;
  for (const Passage& p : joue.passages) {
    const Metre& m = piece.mesures[static_cast<std::size_t>(p.mesure)].metre;
    if (!m.connu() || m.numerateur <= 0) continue;
    if (avant != nullptr && avant->numerateur == m.numerateur && avant->denominateur == m.denominateur) continue;
    avant = &m;
    const int d = puissance_de_deux(m.denominateur);
    if (d < 0) continue;  // no such signature in a MIDI file: the beats still sound as written
    const int horloges = std::max(1, m.valTps * 3 / 2);  // MIDI clocks (24 a quarter) to a beat
    rythme.meta(ticks(p.debut), 0x58,
                {static_cast<uint8_t>(std::min(255, m.numerateur)), static_cast<uint8_t>(d),
                 static_cast<uint8_t>(std::min(255, horloges)), 8});
  }
  for (const Son& s : joue.sons) {
    if (s.silence) continue;
    const Passage& p = joue.passages[static_cast<std::size_t>(s.parties.front().passage)];
    rythme.note(ticks(s.debut), ticks(s.debut + s.duree), canal_percussion, caisse_claire,
                s.debut == p.debut ? fort : doux);
  }

  metronome.nom("Metronome (volume 0)");
  metronome.evenements.emplace_back(0, 0, std::initializer_list<uint8_t>{static_cast<uint8_t>(0xC0 | canal_metronome), programme_woodblock});
  metronome.evenements.emplace_back(0, 0, std::initializer_list<uint8_t>{static_cast<uint8_t>(0xB0 | canal_metronome), 7, 0});
  for (const Battue& b : joue.battues) {
    const int64_t t = ticks(b.debut);
    const bool premier = b.accent == Accent::premier;
    metronome.note(t, std::min(t + ticks_par_noire / 8, ticks(joue.fin)), canal_metronome, premier ? bloc_aigu : bloc_grave,
                   premier ? fort : doux);
  }

  std::string f("MThd\0\0\0\6\0\1\0\2", 12);
  f += static_cast<char>(ticks_par_noire >> 8);
  f += static_cast<char>(ticks_par_noire & 0xFF);
  rythme.ecrit(f, ticks(joue.fin));
  metronome.ecrit(f, ticks(joue.fin));
  return f;
}
