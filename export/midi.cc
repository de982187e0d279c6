#include "export/midi.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

#include "musique/deroule.h"

namespace {

constexpr int ticks_par_quad = ticks_par_noire / 16;
constexpr uint8_t canal_percussion = 9;  // the tenth channel
constexpr uint8_t canal_metronome = 0;
constexpr uint8_t caisse_claire = 38;
constexpr uint8_t bloc_aigu = 84, bloc_grave = 77;  // the metronome's woodblock, on a beat
constexpr uint8_t programme_woodblock = 115;
constexpr uint8_t fort = 110, doux = 80;  // a downbeat's velocity, and the others'

int64_t ticks(Fraction quads) { return quads.arrondi(ticks_par_quad); }

// A track's events, written in time as they come: at one tick, meta events
// first, then notes ended, then notes begun, each kind in the order it came.
// Events come in time but for the notes' ends, which come once the note is
// complete: they wait here until an event at or past them is written (they
// never go back in time: a note ends no earlier than the one before it).
class Piste {
 public:
  // Room for octets bytes, so that a long track is not copied as it grows.
  void prevoit(std::size_t octets) { corps_.reserve(octets); }

  void meta(int64_t tick, uint8_t type, std::initializer_list<uint8_t> donnees) {
    eteint_avant(tick, false);
    evenement(tick, {0xFF, type, static_cast<uint8_t>(donnees.size())});
    for (const uint8_t b : donnees) corps_ += static_cast<char>(b);
  }
  void nom(std::string_view texte) {
    meta(0, 0x03, {});
    corps_.back() = static_cast<char>(texte.size());
    corps_ += texte;
  }
  void controle(std::initializer_list<uint8_t> octets) {  // at the start
    evenement(0, octets);
  }
  void allume(int64_t tick, uint8_t canal, uint8_t touche, uint8_t velocite) {
    eteint_avant(tick, true);
    evenement(tick, {static_cast<uint8_t>(0x90 | canal), touche, velocite});
  }
  // A note begun at debut ends at fin (a tick later at least).
  void eteint(int64_t debut, int64_t fin, uint8_t canal, uint8_t touche) {
    fins_.push_back({std::max(fin, debut + 1), static_cast<uint8_t>(0x80 | canal), touche});
  }

  // The chunk, the track ending at fin, or at its last event.
  void ecrit(const std::function<void(std::string_view)>& vers, int64_t fin) {
    eteint_avant(INT64_MAX, true);
    delta(std::max(avant_, fin));
    corps_ += "\xFF\x2F";
    corps_ += '\0';
    char entete[8] = {'M', 'T', 'r', 'k'};
    for (int i = 0; i < 4; ++i) entete[4 + i] = static_cast<char>((corps_.size() >> (24 - 8 * i)) & 0xFF);
    vers(std::string_view(entete, sizeof entete));
    vers(corps_);
  }

 private:
  struct Fin {
    int64_t tick;
    uint8_t statut;
    uint8_t touche;
  };

  void delta(int64_t t) { evenement(t, {}); }
  // The time since the event before, as a variable-length number (seven
  // bits a byte, most significant first), then the event's bytes. A file's
  // numbers take four bytes at most: a longer wait (a silence of days) is
  // cut by empty text events, which players pass over. Events come in time
  // (a wait below zero would be written as none).
  void evenement(int64_t tick, std::initializer_list<uint8_t> octets) {
    uint64_t v = tick > avant_ ? static_cast<uint64_t>(tick - avant_) : 0;
    avant_ = tick;
    constexpr uint64_t plus_longue = 0x0FFFFFFF;
    for (; v > plus_longue; v -= plus_longue) corps_.append("\xFF\xFF\xFF\x7F\xFF\x01\x00", 7);
    char texte[16];  // four bytes of time at most, then the event's (three at most)
    std::size_t debut = 4, fin = 4;
    texte[--debut] = static_cast<char>(v & 0x7F);
    while ((v >>= 7) != 0) texte[--debut] = static_cast<char>(0x80 | (v & 0x7F));
    for (const uint8_t b : octets) texte[fin++] = static_cast<char>(b);
    corps_.append(texte + debut, fin - debut);
  }
  // The notes' ends before tick (at it too, when inclus).
  void eteint_avant(int64_t tick, bool inclus) {
    std::size_t n = 0;
    for (; n < fins_.size() && (fins_[n].tick < tick || (inclus && fins_[n].tick == tick)); ++n)
      evenement(fins_[n].tick, {fins_[n].statut, fins_[n].touche, 0});
    fins_.erase(fins_.begin(), fins_.begin() + static_cast<std::ptrdiff_t>(n));
  }

  std::string corps_;
  int64_t avant_ = 0;       // the last event's tick
  std::vector<Fin> fins_;  // the notes' ends to come, in time: a few
};

// A time signature's denominator as the file writes it, a power of two;
// -1 for one that is not.
int puissance_de_deux(int32_t d) {
  for (int p = 0; p <= 6; ++p)
    if (d == (1 << p)) return p;
  return -1;
}

// The two tracks, as the piece is heard.
class Pistes final : public Auditeur {
 public:
  Pistes(const Piece& piece, Fraction fin) : piece_(piece), fin_(fin) {}

  Piste rythme, metronome;

  void passage(const Passage& p) override {
    debut_passage_ = p.debut;
    // The meter at the start and wherever the measures played change it.
    const Metre& m = piece_.metre_de(piece_.mesures[static_cast<std::size_t>(p.mesure)]);
    if (!m.connu() || m.numerateur <= 0) return;
    if (avant_ != nullptr && avant_->numerateur == m.numerateur && avant_->denominateur == m.denominateur) return;
    avant_ = &m;
    const int d = puissance_de_deux(m.denominateur);
    if (d < 0) return;  // no such signature in a MIDI file: the beats still sound as written
    const int horloges = std::max(1, m.valTps * 3 / 2);  // MIDI clocks (24 a quarter) to a beat
    rythme.meta(ticks(p.debut), 0x58,
                {static_cast<uint8_t>(std::min(255, m.numerateur)), static_cast<uint8_t>(d),
                 static_cast<uint8_t>(std::min(255, horloges)), 8});
  }
  void commence(Fraction debut, Fraction duree, bool silence, const Partie&) override {
    termine_la_note();
    if (silence) {
      ++sons_;
      return;
    }
    son_ = sons_++;
    debut_note_ = debut;
    fin_note_ = debut + duree;
    rythme.allume(ticks(debut), canal_percussion, caisse_claire, debut == debut_passage_ ? fort : doux);
  }
  void prolonge(std::size_t son, Fraction duree, const Partie&) override {
    if (son_ && son == *son_) {
      fin_note_ = debut_note_ + duree;
    } else {
      termine_la_note();  // a rest lengthened: no tie holds a note
    }
  }
  void battue(const Battue& b) override {
    const int64_t t = ticks(b.debut);
    const bool premier = b.accent == Accent::premier;
    metronome.allume(t, canal_metronome, premier ? bloc_aigu : bloc_grave, premier ? fort : doux);
    metronome.eteint(t, std::min(t + ticks_par_noire / 8, ticks(fin_)), canal_metronome, premier ? bloc_aigu : bloc_grave);
  }
  void termine_la_note() {
    if (son_) rythme.eteint(ticks(debut_note_), ticks(fin_note_), canal_percussion, caisse_claire);
    son_.reset();
  }

 private:
  const Piece& piece_;
  const Fraction fin_;
  const Metre* avant_ = nullptr;  // the last time signature written
  Fraction debut_passage_;
  std::size_t sons_ = 0;  // sounds started
  std::optional<std::size_t> son_;  // the note sounding, while its end may still move
  Fraction debut_note_, fin_note_;
};

}  // namespace

void ecrit_midi(const Piece& piece, int tempo, const std::function<void(std::string_view)>& vers) {
  const std::vector<Tour> ordre = ordre_de_lecture(piece);
  // The piece's end, and room for what each track may hold: a note's two
  // events, a measure's time signature, a beat's two clicks, fourteen bytes
  // at most each (times of four bytes), so that neither is copied as it grows.
  Fraction fin;
  std::size_t elements = 0, battues = 0;
  for (const Tour& t : ordre) {
    const MesureLue& m = piece.mesures[static_cast<std::size_t>(t.mesure)];
    fin += m.duree;
    elements += m.elements.size();
    const int64_t temps = std::max<int64_t>(1, piece.metre_de(m).valTps);
    battues += 1 + static_cast<std::size_t>(std::max<int64_t>(0, m.duree.num / (m.duree.den * temps)));
  }
  Pistes f(piece, fin);
  f.rythme.prevoit(64 + 14 * (elements + ordre.size()));
  f.metronome.prevoit(64 + 14 * battues);
  f.rythme.nom("Rythme");
  const uint32_t microsecondes = 60000000u / static_cast<uint32_t>(std::max(1, tempo));
  f.rythme.meta(0, 0x51,
                {static_cast<uint8_t>(microsecondes >> 16), static_cast<uint8_t>(microsecondes >> 8),
                 static_cast<uint8_t>(microsecondes)});
  f.metronome.nom("Metronome (volume 0)");
  f.metronome.controle({static_cast<uint8_t>(0xC0 | canal_metronome), programme_woodblock});
  f.metronome.controle({static_cast<uint8_t>(0xB0 | canal_metronome), 7, 0});
  ecoute(piece, ordre, f);
  f.termine_la_note();

  char entete[14] = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 2};
  entete[12] = static_cast<char>(ticks_par_noire >> 8);
  entete[13] = static_cast<char>(ticks_par_noire & 0xFF);
  vers(std::string_view(entete, sizeof entete));
  f.rythme.ecrit(vers, ticks(fin));
  f.metronome.ecrit(vers, ticks(fin));
}

std::string en_midi(const Piece& piece, int tempo) {
  std::string f;
  ecrit_midi(piece, tempo, [&f](std::string_view morceau) { f += morceau; });
  return f;
}
