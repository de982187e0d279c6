// The piece as a Standard MIDI File, as it is played: type 1, 480 ticks to
// the quarter note. The first track holds the tempo and the time signatures
// (at the start and at every change) and the notes, on the percussion
// channel, louder on each measure's downbeat, tied notes held as one, rests
// silent, repeats and endings unfolded. The second holds the metronome's
// clicks, on a channel of its own whose volume starts at zero: muted until
// someone raises it.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "musique/piece.h"

constexpr int ticks_par_noire = 480;

// tempo: quarter notes per minute. The piece is heard once, as it goes: the
// file's memory is its two tracks' bytes, handed to vers as each is done.
void ecrit_midi(const Piece& piece, int tempo, const std::function<void(std::string_view)>& vers);
std::string en_midi(const Piece& piece, int tempo);
