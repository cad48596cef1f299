#pragma once
#include "engine/jeu.h"

// The rules a played move, an exchange and a blank go through before the turn
// controller takes over. They decide and tell the player why; what happens next
// is the caller's.
namespace glyphane {

// What the play sequence decided.
enum class IssuePlacement {
    resteDansLeTour,     // badly placed: the message is shown, the tiles stay
    lettreJokerChoisie,  // a blank had no letter: it has one now, play again
    rapportMotsRefuses,  // a human's move forms unknown words: open the report
    coupRetire,          // the computer's move formed an unknown word: taken back
    coupJoue,            // every word known: play the move
};

// The play sequence, run after EvaluerCoup and the word check (motsConnus).
IssuePlacement VerifierPlacement(Jeu& jeu);

// Asks the window for a blank's letter afresh and gives it to the tile.
void ChoisirLettreJoker(Jeu& jeu, int jeton);

// The turn controller's first check on a human's played move: the first move
// must use the centre square, and every move must score. False, with the
// message shown, when the turn stays with the player.
bool CoupRecevable(Jeu& jeu);

// One more tile moved into the exchange. Past the tiles left in the bag, the
// message is shown and the whole rack comes back (false); otherwise the tile
// goes back to the bag, hidden (true).
bool MettreALEchange(Jeu& jeu, int jeton);

}  // namespace glyphane
