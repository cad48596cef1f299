#pragma once
#include "ai/modele_ordinateur.h"
#include "engine/jeu.h"

// The candidate search: every move the current seat's rack can make, from the
// possibility lists and their word files, listed in three parallel places: the
// move texts (ListeCoups), their scores (ListePoints) and the word list (memo1).
namespace glyphane {

// True when the search ran to its end, or stopped after the seven-tile moves of
// a computer seat at the best level. False when a stop was asked, no seat is
// current, or the human chose not to search past the seven-tile moves.
bool ChercherCoups(Jeu& jeu, ModeleOrdinateur& modele);

}  // namespace glyphane
