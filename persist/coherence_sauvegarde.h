#pragma once
#include "persist/partie_sauvegardee.h"

namespace glyphane {

// Whether the fields of a saved game, each within its range, agree with one
// another as in any game played: every tile in one place at most, the count of
// committed tiles matching the board, the moves recorded naming exactly the
// occupied squares, a letter on every blank on the board, and all 102 tiles
// accounted for (racks, board, bag) while the game goes on.
bool SauvegardeCoherente(const PartieSauvegardee& partie);

}  // namespace glyphane
