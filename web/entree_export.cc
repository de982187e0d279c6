// The page's exports: the MusicXML score and the MIDI file that the console
// writes for --musicxml and --midi, made by the same code from a whole run in
// memory (the words of the command line and the input bytes in, as for an
// analysis), so that a file downloaded from the page is the console's, byte
// for byte.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "driver/execution.h"
#include "export/midi.h"
#include "export/musicxml.h"
#include "musique/piece.h"
#include "web/seance.h"

namespace {

std::string fichier;      // the last export's bytes
Execution execution;      // and the run it came from (its reports, on standard error)

}  // namespace

extern "C" {

// genre: 0 for MusicXML, 1 for MIDI; tempo: quarter notes per minute.
// Returns the run's exit status; the export is empty when no text was
// checked (a word refused, an internal failure).
int rythme_exporte(const char* mots, int nombre_mots, const char* entree, int taille, int genre, int tempo) {
  const std::vector<std::string> ligne = mots_recus(mots, nombre_mots);
  const std::string_view texte(entree, taille > 0 ? static_cast<std::size_t>(taille) : 0);
  fichier.clear();
  const Recueil recueil = seance(ligne, texte, {}, execution);
  // No text checked: a word refused, an internal failure, --help or --version.
  std::vector<const char*> argv{"rythme"};
  for (const std::string& mot : ligne) argv.push_back(mot.c_str());
  const bool analyse = lit_ligne_de_commande(static_cast<int>(argv.size()), argv.data()).demande ==
                       LigneDeCommande::Demande::analyse;
  if (!analyse || recueil.mot_refuse >= 0 || !recueil.fatal.empty()) return execution.statut;
  const Piece piece = lis_piece(recueil);
  fichier = genre == 1 ? en_midi(piece, tempo)
                       : en_musicxml(piece, recueil, tempo);
  return execution.statut;
}

const char* rythme_export() { return fichier.data(); }
int rythme_taille_export() { return static_cast<int>(fichier.size()); }
const char* rythme_export_erreur() { return execution.erreur.data(); }
int rythme_taille_export_erreur() { return static_cast<int>(execution.erreur.size()); }

}  // extern "C"
