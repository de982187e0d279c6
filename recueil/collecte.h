// The collector of an analysis's records. Armed before a run, it watches what
// the checker reports, lists and reads (through the watches the floors below
// offer, which the program otherwise leaves unset); when the run reads a
// descriptor it keeps the input bytes as they come. Once the run is over it
// builds the records, each place with its bytes, and the verdict.
//
//   Collecte collecte(texte, limites);          // bytes in memory
//   const Execution e = execute_en_memoire(mots, texte);
//   const Recueil recueil = collecte.termine(e.fin());
//
// One collector at a time: the watches belong to the process.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

#include "recueil/recueil.h"

class Collecte {
 public:
  // For a run on bytes in memory, which stay valid until termine.
  explicit Collecte(std::string_view entree, Limites limites = {});
  // For a run on a descriptor (the console's): the bytes are kept as read.
  // taille_prevue: the bytes the descriptor holds, if known (a file's size;
  // 0 otherwise), for which the records are sized at once.
  explicit Collecte(Limites limites = {}, std::size_t taille_prevue = 0);
  ~Collecte();
  Collecte(const Collecte&) = delete;
  Collecte& operator=(const Collecte&) = delete;

  // The run is over: the watches are disarmed, and the records built.
  Recueil termine(const FinDuRun& fin);

  struct Notes;  // what the watches noted, in lines and columns

 private:
  std::unique_ptr<Notes> notes_;
};
