#pragma once
#include "ai/modele_ordinateur.h"
#include "engine/jeu.h"

// The candidate search as the game runs it: after the update, the current
// seat's rack taken back, the word list (memo1) and the bar following the
// search, the question after the seven-tile moves; the candidates found land in
// the model.
namespace glyphane {

// True when the search ran to its end, or stopped after the seven-tile moves of
// a computer seat at the best level. False when a stop was asked, no seat is
// current, or the human chose not to search past the seven-tile moves.
bool ChercherCoups(Jeu& jeu, ModeleOrdinateur& modele);

}  // namespace glyphane
