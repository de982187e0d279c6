// The signs of the text as the checker read them, for the page's score and
// its playback: each value, group, bar, repeat sign, ending and meter change
// with the measure and beat it was counted in and the bytes it was read
// from, and each measure closed with its meter and its total.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "web/etendues.h"

// Starts recording (the watcher of the reading is set) and forgets the
// signs of the last analysis.
void commence_signes();
// Stops recording.
void arrete_signes();

// The signs recorded, as the members "signes" and "mesures_lues" of a JSON
// object (ASCII), each sign with its bytes in the text.
void ecrit_signes_json(std::string& json, const std::vector<Point>& points, std::string_view texte);

// How far a measure's total is from its length, in a musician's words:
// "il manque une croche", "une noire de trop"; empty when they are equal.
std::string ecart_en_mots(int32_t total, int32_t longueur);
