// The records of one whole analysis of a text in memory, as the page and the
// exports receive them, for the tests of the floors that read them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "recueil/recueil.h"

Recueil recueil_de(std::string_view texte, const std::vector<std::string>& mots = {});
