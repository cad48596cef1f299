#pragma once
#include "engine/partie.h"

namespace glyphane {

// Judges this turn's tiles (the squares filled in grilleJeu and empty in
// grilleFixe) and scores the words they form: sets placementInvalide,
// pointsDuCoup, the word tables of partie.evaluation and the points label.
// True when the placement was sound and scored. It runs after every drop, so it
// allocates nothing.
bool EvaluerCoup(Partie& partie);

// The turn's tiles are back in the rack, or the turn ended without a move: the
// points shown are those of no move at all.
void OublierPointsDuCoup(Partie& partie);

}  // namespace glyphane
