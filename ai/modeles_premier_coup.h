#pragma once
#include "ai/modele_ordinateur.h"

namespace glyphane {

// The first move has no segment to grow from: row H around the centre square is
// offered instead, reading the whole-length files of 2 to 7 letters directly.
void PoserModelesPremierCoup(ModeleOrdinateur& modele);

// A new game for the computer player: no possibility, segment or candidate left,
// the file counter back to 7, and the first-move records when asked.
void ReinitialiserModeleOrdinateur(ModeleOrdinateur& modele, bool avecModeles);

}  // namespace glyphane
