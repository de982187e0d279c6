// rythme: checks the rhythm of a text in the one-character-per-value notation
// read on standard input; rythme [--musicxml FILE] [--midi FILE] [--tempo N]
// [numerator denominator [decomposition]].
#include <csignal>
#include <cstdlib>
#include <vector>

#include "driver/execution.h"
#include "driver/exportations.h"
#include "io/flux.h"
#include "io/source.h"
#include "musique/piece.h"

namespace {
void livre_tout_a_la_fin() { flux_termine(); }

// What the exports are written from, left to the system when the process
// ends: freeing its many blocks one by one would only take time.
Recueil* recueil_exporte = nullptr;
Piece* piece_exportee = nullptr;
}  // namespace

int main(int argc, char** argv) {
  reinitialise_etat();
  // A reader that goes away (rythme ... | head) must not end the run by a
  // signal: writes to it fail quietly and the analysis ends with its status.
  std::signal(SIGPIPE, SIG_IGN);
  flux_vers_descripteurs();
  flux_garde_signaux();
  source_depuis_descripteur(0);
  // Registered before the exit report, so that it runs after it.
  std::atexit(livre_tout_a_la_fin);

  Exportations exportations;
  std::string refus;
  const int options = lit_exportations(argc, argv, exportations, refus);
  if (options < 0) {
    erreur_ecrit(refus);
    return 1;
  }
  if (options == 0) return execute_console(argc, argv);

  // The meter's words follow the options.
  std::vector<const char*> mots{argv[0]};
  mots.insert(mots.end(), argv + 1 + options, argv + argc);
  const int n = static_cast<int>(mots.size());
  const bool analyse = lit_ligne_de_commande(n, mots.data()).demande == LigneDeCommande::Demande::analyse;
  if (!exportations.demandees() || !analyse) return execute_console(n, mots.data());
  if (exportations.sur_la_sortie()) flux_sortie_ecartee();
  prepare_les_exportations();
  recueil_exporte = new Recueil;
  Recueil& recueil = *recueil_exporte;
  const int statut = execute_console(n, mots.data(), recueil);
  piece_exportee = new Piece;
  *piece_exportee = lis_piece(recueil);
  // The exports read the piece and the reports: the room the signs and the
  // measures listed took goes to them.
  std::vector<Signe>().swap(recueil.signes);
  std::vector<MesureListee>().swap(recueil.mesures);
  return ecrit_exportations(exportations, recueil, *piece_exportee) ? statut : 1;
}
