#include "recueil/collecte.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "diagnostics/signale.h"
#include "io/flux.h"
#include "io/latin1.h"
#include "io/source.h"
#include "measure/mesure.h"
#include "meter/metre.h"
#include "notation/valeurs.h"
#include "state/etat.h"

namespace {

// A stretch of text as the scanner gives it: where it starts, how far it
// reaches, and the token in hand, which tells its bytes from others at the
// same place (kept with the other tokens, in Notes::jetons).
struct Etendue {
  Point debut;
  Ligne lignes = 0;
  Colonne largeur = 0;
  uint64_t jeton = 0;  // where its token starts in Notes::jetons, times 256, plus its length (100 at most)
};

static_assert(capacite_tampon_jeton < 256);
Etendue etendue_en_main(std::string& jetons) {
  const Position& p = etat.position;
  const auto longueur = static_cast<std::size_t>(std::max<int32_t>(0, longueur_jeton()));
  const uint64_t jeton = static_cast<uint64_t>(jetons.size()) << 8 | longueur;
  jetons.append(reinterpret_cast<const char*>(&tampon_jeton.octets[0]), longueur);
  return {{p.numeroLigne, p.numeroColonne}, p.lignesCouvertes, p.largeurCouverte, jeton};
}

// Where the stretch in hand ends.
Point fin_de_l_etendue() {
  const Position& p = etat.position;
  if (p.lignesCouvertes > 0) return {p.numeroLigne + p.lignesCouvertes, std::max<Colonne>(1, p.largeurCouverte + 1)};
  return {p.numeroLigne, p.numeroColonne + std::max<Colonne>(0, p.largeurCouverte)};
}

// The meter description names each beat value "à la ...": the gap's words
// take the name without it.
constexpr std::string_view a_la = "à la "_l1;
static_assert(std::all_of(valeurs_de_temps.begin(), valeurs_de_temps.end(),
                          [](const ValeurDeTemps& v) { return std::string_view(v.nom).starts_with(a_la); }));

// The gap as a few values, largest first, named as the meter description
// names them: one where a note, dotted or not, says it; otherwise a sum
// ("une noire et une double croche").
std::string ecart_en_mots(int32_t total, int32_t longueur) {
  if (total == longueur) return {};
  int32_t reste = total < longueur ? longueur - total : total - longueur;
  std::string mots;
  for (int n = 0; reste > 0; ++n) {
    const ValeurDeTemps* plus_grande = nullptr;
    for (const ValeurDeTemps& v : valeurs_de_temps)
      if (v.ennaire != 5 && v.quads <= reste) plus_grande = &v;
    reste -= plus_grande->quads;
    const std::string_view nom = std::string_view(plus_grande->nom).substr(a_la.size());
    if (n > 0) mots += reste == 0 ? " et " : ", ";
    mots += "une ";
    mots += nom;
  }
  return total < longueur ? "il manque " + mots : mots + " de trop";
}

bool blanc_ou_barre(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '|' || c == ':'; }

}  // namespace

struct Collecte::Notes {
  Limites limites;
  std::string_view entree;     // the bytes in memory
  bool garde_les_lus = false;  // or those read from a descriptor, kept here
  std::string lus;
  std::string jetons;          // the tokens of the places below, one after the other
  Recueil recueil;             // the records, their bytes not yet known
  std::vector<Etendue> places_des_rapports;
  std::vector<Etendue> places_des_signes;
  // Each beat listed, in order: from where the one before ended to where the
  // token that ended it stops.
  std::vector<std::pair<Point, Point>> places_des_temps;
  std::vector<Point> fins_des_temps;  // by slot, in the measure being read
  Point fin_du_dernier_temps;         // of the last measure listed
  // A value written with too many dots, read again with fewer: where it was
  // written, for the value read in its place.
  Etendue surpointee;
  bool surpointee_lue = false;
};

namespace {

Collecte::Notes* en_cours = nullptr;  // the collector armed

void note_rapport(Nature nature, std::string_view tete, std::string_view message) {
  Collecte::Notes& n = *en_cours;
  const EtatMesure& m = etat.mesure;
  n.recueil.verdict.compte(nature, m.numeroMesure);
  if (n.recueil.rapports.size() >= n.limites.rapports) {
    ++n.recueil.rapports_omis;
    return;
  }
  // The head without the colon and blanks that lead to the message.
  tete = tete.substr(0, tete.find_last_not_of(" :") + 1);
  const Etendue place = etendue_en_main(n.jetons);
  n.recueil.rapports.push_back({nature,
                                etat.diagnostics.codeCourant,
                                place.debut,
                                m.numeroMesure,
                                m.nt + 1,
                                m.nt + 1 > etat.metre.nbrTps,
                                {},
                                std::string(tete),
                                std::string(message)});
  n.places_des_rapports.push_back(place);
}

void note_temps(int32_t slot) {
  if (!en_cours->limites.octets_des_temps) return;
  std::vector<Point>& fins = en_cours->fins_des_temps;
  const auto i = static_cast<std::size_t>(slot);
  if (fins.size() <= i) fins.resize(i + 1);
  fins[i] = fin_de_l_etendue();
}

void note_mesure(int32_t total) {
  Collecte::Notes& n = *en_cours;
  const EtatMesure& m = etat.mesure;
  MesureListee mesure{m.numeroMesure - 1, {}, {}, total, {}, 0, 0, etat.metre.valTps, etat.metre.ennaire,
                      etat.metre.composée != 0, {}};
  if (n.limites.textes) {
    char metre[4 * Ecriture::chiffres_entier_max];
    Ecriture e{metre};
    ecrit_metre(e);
    mesure.metre.assign(metre, e.fin);
  }
  if (!metre_inconnu()) {
    const MetreEcrit ecrit = metre_ecrit();
    if (ecrit.numerateurConnu) mesure.numerateur = ecrit.numerateur;
    mesure.denominateur = ecrit.denominateur;  // known whenever a meter is
    mesure.ecart = ecart_en_mots(total, etat.metre.nbrTps * etat.metre.valTps);
  }
  if (const char* graphie = graphie_de_valeur(etat.metre.valTps)) mesure.graphie = graphie;
  Point debut = n.fin_du_dernier_temps;
  for (int32_t i = 0; i < m.nt; ++i) {
    const Temps& t = *m.tabTemps[static_cast<std::size_t>(i)];
    const auto slot = static_cast<std::size_t>(i);
    const Point fin = slot < n.fins_des_temps.size() ? n.fins_des_temps[slot] : debut;
    if (i == 0) mesure.temps.reserve(static_cast<std::size_t>(m.nt));
    mesure.temps.push_back({n.limites.textes ? t.graphie : std::string(), t.valeur, temps_fort(i), {}});
    if (n.limites.octets_des_temps) n.places_des_temps.emplace_back(debut, fin);
    debut = fin;
  }
  n.fin_du_dernier_temps = debut;
  n.recueil.mesures.push_back(std::move(mesure));
}

void note_description(std::string_view texte) { en_cours->recueil.description = texte; }

void note_signe(const Lecture& lu) {
  Collecte::Notes& n = *en_cours;
  if (lu.signe == SigneLu::surpointee) {
    n.surpointee = etendue_en_main(n.jetons);
    n.surpointee_lue = true;
    return;
  }
  const bool relue = lu.signe == SigneLu::valeur && n.surpointee_lue;
  n.surpointee_lue = false;
  if (n.recueil.signes.size() >= n.limites.signes) {
    ++n.recueil.signes_omis;
    return;
  }
  n.places_des_signes.push_back(relue ? n.surpointee : etendue_en_main(n.jetons));
  Signe s{lu, etat.mesure.numeroMesure, etat.mesure.nt + 1, {}};
  if (lu.signe == SigneLu::changement) {
    s.lu.base = etat.scanner.numerateur;
    s.lu.valeur = etat.scanner.denominateur;
    s.lu.genre = octet_du_jeton(0) == 'C' ? 'C' : 0;  // common time and cut time are drawn as written
  }
  n.recueil.signes.push_back(s);
}

void note_lus(const unsigned char* octets, std::size_t n) {
  en_cours->lus.append(reinterpret_cast<const char*>(octets), n);
}

void desarme() {
  en_cours = nullptr;
  temoin_rapport = nullptr;
  temoin_lecture = nullptr;
  temoin_temps = nullptr;
  temoin_mesure = nullptr;
  temoin_description = nullptr;
  temoin_source = nullptr;
}

// Places in reading order, as bytes: where several bytes stand at one
// place, the search goes on from the previous place's first byte.
void en_octets(const CarteDuTexte& carte, const std::vector<Etendue>& places, std::string_view jetons,
               auto octets_de) {
  std::size_t depuis = 0;
  for (std::size_t i = 0; i < places.size(); ++i) {
    const Etendue& e = places[i];
    const std::string_view jeton = jetons.substr(static_cast<std::size_t>(e.jeton >> 8), e.jeton & 0xFF);
    const Octets o = carte.octets_du_rapport(e.debut, e.lignes, e.largeur, jeton, depuis);
    depuis = o.debut;
    octets_de(i) = o;
  }
}

}  // namespace

Collecte::Collecte(std::string_view entree, Limites limites) : notes_(std::make_unique<Notes>()) {
  notes_->limites = limites;
  notes_->entree = entree;
  en_cours = notes_.get();
  temoin_rapport = note_rapport;
  temoin_lecture = note_signe;
  temoin_temps = note_temps;
  temoin_mesure = note_mesure;
  temoin_description = note_description;
}

Collecte::Collecte(Limites limites, std::size_t taille_prevue) : Collecte(std::string_view{}, limites) {
  notes_->garde_les_lus = true;
  temoin_source = note_lus;
  // Sized at once for the text announced, each table within 64 MiB: a sign
  // takes a byte at least, a measure a byte and a beat a value; a longer
  // text grows them as it goes. Room never written takes no memory.
  Notes& n = *notes_;
  const auto reserve = [taille_prevue](auto& table, std::size_t par_octet_sur) {
    const std::size_t au_plus = (std::size_t{64} << 20) / sizeof(table[0]);
    table.reserve(std::min(taille_prevue / par_octet_sur + 1, au_plus));
  };
  reserve(n.lus, 1);
  reserve(n.jetons, 1);
  reserve(n.recueil.signes, 1);
  reserve(n.places_des_signes, 1);
  reserve(n.places_des_temps, 1);
  reserve(n.recueil.mesures, 4);
}

Collecte::~Collecte() {
  if (en_cours == notes_.get()) desarme();
}

Recueil Collecte::termine(const FinDuRun& fin) {
  desarme();
  Notes& n = *notes_;
  Recueil& r = n.recueil;
  const std::string_view entree = n.garde_les_lus ? std::string_view(n.lus) : n.entree;
  const bool octets_des_signes =
      n.limites.octets_des_signes ||
      std::any_of(r.rapports.begin(), r.rapports.end(), [](const Rapport& x) { return sur_les_signes(x.nature); });
  // The text's map, for the bytes asked for (none, for an export of a text without a fault).
  if (!r.rapports.empty() || octets_des_signes || n.limites.octets_des_temps) {
    const CarteDuTexte carte(entree);
    en_octets(carte, n.places_des_rapports, n.jetons, [&](std::size_t i) -> Octets& { return r.rapports[i].octets; });
    if (octets_des_signes)
      en_octets(carte, n.places_des_signes, n.jetons, [&](std::size_t i) -> Octets& { return r.signes[i].octets; });
    // A beat's bytes: from the end of the one before to the end of the token
    // that ended it, without the blanks and bar lines before its first value.
    std::size_t depuis = 0;
    auto place = n.places_des_temps.begin();
    for (MesureListee& m : r.mesures) {
      if (place == n.places_des_temps.end()) break;  // not asked for
      for (TempsListe& t : m.temps) {
        const auto [de, a] = *place++;
        std::size_t debut = std::min(carte.octet_de_fin(de, depuis), entree.size());
        const std::size_t fin = std::max(debut, std::min(carte.octet_de_fin(a, debut), entree.size()));
        while (debut < fin && blanc_ou_barre(entree[debut])) ++debut;
        depuis = debut;
        t.octets = {debut, fin};
      }
    }
  }
  r.mot_refuse = fin.mot_refuse;
  r.refus = fin.refus;
  r.fatal = fin.fatal;
  r.verdict.conclut(fin);
  return std::move(r);
}
