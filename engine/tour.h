#pragma once
#include "engine/jeu.h"

// The turn controller: the one place where a turn ends and the next begins.
namespace glyphane {

// Ends the current turn and starts the next. A played move is checked once more
// (first move through the centre, every move must score: the turn stays with the
// player when it fails), committed, recorded and scored; the rack is refilled;
// the game ends when the player used the last tile or when every seat passed
// with an empty bag; otherwise the next seat's rack is shown and, for a computer
// seat, the computer player is started. The same call runs the opening deal.
//
// It runs on whichever thread owns the turn (the window's for a human, the
// computer player's for its move) and announces each change through the view.
void TourSuivant(Jeu& jeu);

// How a game ends.
inline constexpr int finSansMessage = 0;     // the turn label stays shown
inline constexpr int finAucunMouvement = 1;  // every seat passed with an empty bag
inline constexpr int finChevaletVide = 2;    // a seat used its last tile

// Ends the game: nothing more can be played until a new game, the chronos are
// switched off and the replay may go up to the last turn.
void FinDePartie(Jeu& jeu, int mode);

// The word check refused the move: its tiles go back to the rack as the turn
// began and the turn passes without points.
void RejeterCoup(Jeu& jeu);

}  // namespace glyphane
