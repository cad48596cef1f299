#pragma once
#include <cstdint>

#include "engine/jeu.h"

// Stepping through a finished game, from a loaded file or played to its end.
// Position R shows the board after moves 1..R-1 with move R-1 outlined and its
// points and player in the labels; R runs from 1 (the empty board) to the limit
// L. A step beyond either end, or outside a finished game, does nothing.
namespace glyphane {

// Back to the empty board, R = 1.
void revoirDebut(Jeu& jeu);
// Takes back move R-1.
void revoirPrecedent(Jeu& jeu);
// Lays move R.
void revoirSuivant(Jeu& jeu);

// Outlines the squares of history record n, and only those.
void SurlignerCoup(Partie& partie, std::int32_t n);

}  // namespace glyphane
