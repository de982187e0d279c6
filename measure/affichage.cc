// The listing of a closed measure on standard output: one line per beat, then
// the number of beats and the measure's total.
#include <cstdint>
#include <string_view>

#include "io/fatal.h"
#include "io/flux.h"
#include "io/latin1.h"
#include "measure/mesure.h"
#include "meter/metre.h"
#include "notation/valeurs.h"
#include "state/etat.h"

void (*temoin_mesure)(int32_t total) = nullptr;

// Whether beat i (from 0) of a measure is strong; with no meter known only
// the first is.
bool temps_fort(int32_t i) { return metre_inconnu() ? i == 0 : i % etat.metre.ennaire == 0; }

// The numerator and denominator of the meter in force, as written: a compound
// meter is shown in its sub-beats (two beats of 24 quads read 6 / 8). A
// measure closed while no meter is known reads ?? / ??.
void ecrit_metre(Ecriture& e) {
  if (metre_inconnu()) {
    e.texte("?? / ??");
    return;
  }
  const MetreEcrit ecrit = metre_ecrit();
  if (ecrit.numerateurConnu)
    e.entier(ecrit.numerateur);
  else
    e.texte("??");
  e.texte(" / ");
  if (ecrit.denominateurConnu)
    e.entier(ecrit.denominateur);
  else
    e.texte("??");  // GCOVR_EXCL_LINE: no meter known is written above
}

// One line per beat, "%-3s = %d\t%d\t%s\t%d\t%s\t=\t%d\n": the beat value's
// spelling, the number of measures before this one, the meter, strong or weak,
// the beat's number, its text and its value. A long text lists millions of
// beats, so the part common to the measure's lines is composed once and each
// line is written in place.
void affiche_mesure(int32_t total) {
  const EtatMesure& m = etat.mesure;
  if (m.nt > 0) {
    // An opening that gave no meter is listed as written, its beat value
    // marked as not known.
    const char* libelle = metre_inconnu() ? "??" : graphie_de_valeur(etat.metre.valTps);
    if (libelle == nullptr)
      erreur_fatalef("affiche_mesure : erreur de programmation (valTps %d)\n", etat.metre.valTps);
    char commun[4 * Ecriture::chiffres_entier_max + 16];
    Ecriture c{commun};
    const std::string_view graphie(libelle);
    c.texte(graphie);
    c.texte(std::string_view("   ", graphie.size() < 3 ? 3 - graphie.size() : 0));
    c.texte(" = 60\t");
    c.entier(m.numeroMesure - 1);
    c.texte("\t");
    ecrit_metre(c);
    c.texte("\t");
    const std::string_view debut(commun, static_cast<std::size_t>(c.fin - commun));
    constexpr std::size_t reste_max = Ecriture::chiffres_entier_max + 4;  // "F\t%d\t" or "\t=\t%d\n"
    constexpr std::size_t tres_long = 512;

    for (int32_t i = 0; i < m.nt; ++i) {
      const Temps& temps = *m.tabTemps[static_cast<std::size_t>(i)];
      // A beat's text is short; one too long for the room is written apart.
      const bool a_part = temps.graphie.size() > tres_long;
      char* place = sortie_place(debut.size() + 2 * reste_max + (a_part ? 0 : temps.graphie.size()));
      Ecriture e{place};
      e.texte(debut);
      e.texte(temps_fort(i) ? "F\t" : "f\t");
      e.entier(i + 1);
      e.texte("\t");
      if (a_part) {  // GCOVR_EXCL_START: a beat's text holds at most a stack's worth of values, a few hundred bytes
        sortie_avance(static_cast<std::size_t>(e.fin - place));
        sortie_ecrit(temps.graphie);
        e.fin = place = sortie_place(reste_max);
        // GCOVR_EXCL_STOP
      } else {
        e.texte(temps.graphie);
      }
      e.texte("\t=\t");
      e.entier(temps.valeur);
      e.texte("\n");
      sortie_avance(static_cast<std::size_t>(e.fin - place));
    }
  }
  static constexpr std::string_view trouves = "\t\tNombre de temps trouvé\t"_l1;
  char* const place = sortie_place(trouves.size() + 2 * Ecriture::chiffres_entier_max + 16);
  Ecriture e{place};
  e.texte(trouves);
  e.entier(m.nt);
  e.texte(",\ttotaux\t=\t");
  e.entier(total);
  e.texte("\n");
  sortie_avance(static_cast<std::size_t>(e.fin - place));
  if (temoin_mesure != nullptr) temoin_mesure(total);
}
