// The piece as a MusicXML 3.1 score (partwise): one part, a percussion clef
// on a one-line staff, unpitched notes, in UTF-8. Durations are whole numbers
// of divisions, tuplets included; time signatures stand where the text sets
// or changes the meter; repeats, endings, ties, tuplets and beams by beat are
// written as such, measures keep the checker's numbers and what was written
// (a measure short or over stays so), and every report drawn on the piece
// colours its notes and stands under them in words. Written lean: each
// child of a measure on a line of its own, without indentation, and no
// element whose default is what it would say (a note's voice).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "musique/piece.h"
#include "recueil/recueil.h"

// tempo: quarter notes per minute, as the score's metronome mark. The text
// is handed to vers in pieces as it is written, so that a long score is
// never held whole.
void ecrit_musicxml(const Piece& piece, const Recueil& recueil, int tempo,
                    const std::function<void(std::string_view)>& vers);
std::string en_musicxml(const Piece& piece, const Recueil& recueil, int tempo);

// The divisions of a quarter note the score uses: the least number that
// makes every duration whole, or, past a bound that notation editors take,
// that bound (durations then rounded so that each measure keeps its length).
int64_t divisions_de(const Piece& piece);
