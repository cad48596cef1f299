#pragma once
#include "engine/jeu.h"

namespace glyphane {

// Draws up to n tiles from the bag into the free slots (caseOccupee = 0) of the
// current seat's rack, hidden, and returns how many it drew. It stops early when
// the rack has no free slot or the bag has no tile left that may be drawn.
int Tirer(Jeu& jeu, int n);

// Once the bag is empty, the exchange button passes the turn instead.
inline bool sacVide(const Partie& partie) { return partie.sac.jetonsDansSac() <= 0; }
// The button says so once a turn starts on an empty bag, not while the last
// tiles are being drawn.
void AfficherBoutonEchange(Partie& partie);

// The bag count in its label.
void AfficherJetonsDansSac(Partie& partie);

}  // namespace glyphane
