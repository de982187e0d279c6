// The recording switch of the parser's coverage (the engine's hooks are in
// grammaire.y).
#include "parser/couverture.h"

TableCouverture* tableCouverture = nullptr;
