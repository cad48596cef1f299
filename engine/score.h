#pragma once
#include "engine/partie.h"

// What a committed move and the end of a game do to the scores and the history.
namespace glyphane {

// Fills the record of the move just evaluated: its points (at most 3
// characters), its main word and direction, and the current seat's name.
void EnregistrerCoup(const Partie& partie, Coup& coup);

// The current seat's score gains the move's points.
void AjouterPointsDuCoup(Partie& partie);

// The current seat used its last tile with the bag empty: it gains the value of
// every tile left in the other racks, which their owners lose.
void AjustementFinal(Partie& partie);

}  // namespace glyphane
