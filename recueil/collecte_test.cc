#include "recueil/collecte.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "diagnostics/signale.h"
#include "driver/execution.h"
#include "io/fatal.h"
#include "io/flux.h"
#include "io/source.h"
#include "tests/support/capture.h"

namespace {

std::string lit(const std::filesystem::path& fichier) {
  std::ifstream f(fichier, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// The console's run on a file, recorded.
struct RunConsole {
  std::string sortie, erreur;
  int statut;
  Recueil recueil;
};

RunConsole console(const std::vector<std::string>& mots, const std::filesystem::path& entree) {
  RunConsole r;
  reinitialise_etat();
  flux_vers_chaines(&r.sortie, &r.erreur);
  fixe_mode_fin(ModeFin::exception);
  const int fd = ::open(entree.c_str(), O_RDONLY);
  source_depuis_descripteur(fd);
  std::vector<const char*> argv{"rythme"};
  for (const std::string& mot : mots) argv.push_back(mot.c_str());
  r.statut = execute_console(static_cast<int>(argv.size()), argv.data(), r.recueil);
  ::close(fd);
  fixe_mode_fin(ModeFin::quitte);
  flux_vers_descripteurs();
  reinitialise_etat();
  return r;
}

bool dans(const Octets& o, std::size_t taille) { return o.debut <= o.fin && o.fin <= taille; }

// The records as text, to compare two runs' with a readable difference.
std::string en_texte(const Recueil& r) {
  std::ostringstream o;
  const auto octets = [&](const Octets& x) { o << " @" << x.debut << '-' << x.fin; };
  for (const Rapport& d : r.rapports) {
    o << "rapport " << static_cast<int>(d.nature) << ' ' << d.code << ' ' << d.place.ligne << ':' << d.place.colonne
      << " m. " << d.mesure << " tps " << d.temps << (d.au_dela ? "+" : "");
    octets(d.octets);
    o << ' ' << d.tete << ' ' << d.message << '\n';
  }
  for (const MesureListee& m : r.mesures) {
    o << "mesure " << m.numero << ' ' << m.metre << ' ' << m.graphie << ' ' << m.total << ' ' << m.numerateur << '/'
      << m.denominateur << ' ' << m.valTps << ' ' << m.ecart << '\n';
    for (const TempsListe& t : m.temps) {
      o << "  " << t.texte << ' ' << t.valeur << (t.fort ? " F" : " f");
      octets(t.octets);
      o << '\n';
    }
  }
  for (const Signe& s : r.signes) {
    const Lecture& l = s.lu;
    o << "signe " << static_cast<int>(l.signe) << ' ' << l.base << ' ' << l.points << ' ' << l.silence << ' '
      << l.valeur << ' ' << l.genre << ' ' << l.lie << " m. " << s.mesure << " tps " << s.temps;
    octets(s.octets);
    o << '\n';
  }
  const Verdict& v = r.verdict;
  o << "omis " << r.rapports_omis << ' ' << r.signes_omis << '\n'
    << r.description << r.mot_refuse << ' ' << r.refus << r.fatal << '\n'
    << "verdict " << v.reussite << ' ' << v.statut << ' ' << v.double_barre << ' ';
  for (const std::size_t n : v.par_nature) o << n << ',';
  for (const int32_t m : v.mesures_fautives) o << " m. " << m;
  return o.str();
}

// Every golden case run as the console runs it, its input read from its file
// as it comes, and recorded: what is printed is still the case's, byte for
// byte; the records are those of the same run in memory; every place lies
// in the text; and the verdict follows the status and the faults.
TEST(Collecte, TheConsolesRecordsAreThoseOfTheRunInMemory) {
  int n = 0;
  for (const auto& cas : std::filesystem::directory_iterator(RYTHME_CAS_DORES)) {
    if (!cas.is_directory()) continue;
    ++n;
    const std::string nom = cas.path().filename();
    std::vector<std::string> mots;
    std::ifstream args(cas.path() / "args");
    for (std::string mot; std::getline(args, mot);) mots.push_back(mot);
    // The exports' options are the console program's, read before the run.
    if (!mots.empty() && (mots[0] == "--musicxml" || mots[0] == "--midi" || mots[0] == "--tempo")) {
      --n;
      continue;
    }
    const auto fichier = std::filesystem::exists(cas.path() / "stdin") ? cas.path() / "stdin" : "/dev/null";
    const std::string texte = lit(fichier);

    const RunConsole r = console(mots, fichier);
    EXPECT_EQ(r.sortie, lit(cas.path() / "stdout")) << nom;
    EXPECT_EQ(r.erreur, lit(cas.path() / "stderr")) << nom;
    EXPECT_EQ(std::to_string(r.statut) + "\n", lit(cas.path() / "status")) << nom;

    // Recorded for the exports: the beats' bytes and the listing's texts left out, and the
    // signs' bytes unless a report needs them.
    Collecte collecte(texte, {.octets_des_temps = false, .textes = false, .octets_des_signes = false});
    const Execution e = execute_en_memoire(mots, texte);
    EXPECT_EQ(en_texte(collecte.termine(e.fin())), en_texte(r.recueil)) << nom;

    const Recueil& c = r.recueil;
    for (const Rapport& d : c.rapports) {
      EXPECT_TRUE(dans(d.octets, texte.size())) << nom << " " << d.tete;
      EXPECT_TRUE(!est_une_faute(d.nature) || std::binary_search(c.verdict.mesures_fautives.begin(),
                                                                  c.verdict.mesures_fautives.end(), d.mesure))
          << nom << " " << d.tete;
    }
    for (const Signe& s : c.signes) EXPECT_TRUE(dans(s.octets, texte.size())) << nom;
    for (const MesureListee& m : c.mesures)
      for (const TempsListe& t : m.temps) EXPECT_TRUE(dans(t.octets, texte.size())) << nom << " m. " << m.numero;
    EXPECT_EQ(c.verdict.reussite, r.statut == 0 && c.verdict.mesures_fautives.empty()) << nom;
  }
  EXPECT_GT(n, 100);
}

// What the page and the exports read: each place as the bytes it covers.
TEST(Collecte, PlacesAreBytes) {
  const std::string texte = "! ! ! d |\n! ([[[)3 ! ! | 3/4 !!! ||";
  Collecte collecte(texte);
  const Recueil r = collecte.termine(execute_en_memoire({"4", "4"}, texte).fin());
  const auto octets = [&](const Octets& o) { return texte.substr(o.debut, o.fin - o.debut); };
  ASSERT_EQ(r.rapports.size(), 2u);
  EXPECT_EQ(r.rapports[1].place.colonne, 7);  // the late bar, on the d
  EXPECT_EQ(octets(r.rapports[1].octets), "d");
  ASSERT_EQ(r.mesures.size(), 3u);
  EXPECT_EQ(r.mesures[0].ecart, "une noire de trop");
  std::string temps;
  for (const MesureListee& m : {r.mesures[0], r.mesures[1]})
    for (const TempsListe& t : m.temps) temps += octets(t.octets) + ",";
  EXPECT_EQ(temps, "!,!,!,d,!,([[[)3,!,!,");
  EXPECT_EQ(r.mesures[2].metre, "3 / 4");
  std::string signes;
  for (const Signe& s : r.signes) signes += octets(s.octets) + ",";
  EXPECT_EQ(signes, "!,!,!,d,|,!,(,[,[,[,)3,!,!,|,3/4,!,!,!,||,");
}

// A collector dropped before its records leaves nothing watching: the next
// run records nothing into it.
TEST(Collecte, ADroppedCollectorLeavesNoWatch) {
  { Collecte collecte("! ! ! d |"); }
  EXPECT_EQ(temoin_rapport, nullptr);
  EXPECT_EQ(execute_en_memoire({"4", "4"}, "! ! ! d |").statut, 0);
}

}  // namespace
