// A scripted token source for the parser's tests: it hands out a fixed list of
// tokens (then 0 for ever) and notes, at each request, what the actions had
// done by then.
#pragma once

#include <string>
#include <vector>

#include "parser/analyse.h"
#include "parser/grammaire.h"
#include "parser/moteur.h"
#include "state/etat.h"
#include "tests/support/capture.h"

// What the shared state held when the parser asked for a token.
struct Demande {
  std::string graphie;  // the text of the beat being read
  int plein;            // the beat-full flag
  int nt;               // beats recorded
  int modeFermeture;    // how the current measure closes
};

class AvecScript : public AvecEtatPropre {
 protected:
  void SetUp() override {
    AvecEtatPropre::SetUp();
    jetons().clear();
    demandes().clear();
    installe_source_jetons(&suivant);
  }
  void TearDown() override {
    installe_source_jetons(nullptr);
    AvecEtatPropre::TearDown();
  }

  // Parses one piece made of the given tokens.
  int analyse_script(std::vector<int> script) {
    jetons() = std::move(script);
    demandes().clear();
    return analyse();
  }

  static std::vector<int>& jetons() {
    static std::vector<int> j;
    return j;
  }
  static std::vector<Demande>& demandes() {
    static std::vector<Demande> d;
    return d;
  }

  // How many times a text occurs in what was written on standard error.
  int occurrences(const std::string& texte) const {
    int n = 0;
    for (auto p = erreur.find(texte); p != std::string::npos; p = erreur.find(texte, p + 1)) ++n;
    return n;
  }

 private:
  static int suivant() {
    const std::size_t i = demandes().size();
    demandes().push_back({etat.mesure.graphieTps, etat.mesure.plein, etat.mesure.nt, etat.mesure.modeFermeture});
    return i < jetons().size() ? jetons()[i] : 0;
  }
};
