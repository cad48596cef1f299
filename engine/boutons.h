#pragma once
#include "engine/jeu.h"

// What the turn's buttons do. The window plays the click sound first and calls
// these only while the button is enabled; a game that is over ignores them.
// A tile dropped on the exchange goes through MettreALEchange (engine/regles.h).
namespace glyphane {

// Judges the tiles put down, looks their words up and plays the move, asks for
// a blank's letter, opens the refused-word report, or tells why the move cannot
// be played.
void JouerClick(Jeu& jeu);

// Opens the exchange panel; once the bag is empty the same button passes.
void EchangeClick(Jeu& jeu);

// Confirms the exchange: the tiles moved into it are replaced and the turn passes.
void OkChangementClick(Jeu& jeu);

// Closes the exchange panel with the rack as the turn began.
void AnnulerEchangeClick(Jeu& jeu);

// Uncovers a human's rack in closed style and gives the turn's controls, once
// the computer player has finished updating what it knows of the board.
void CacheLettresClick(Jeu& jeu);

// Toggle open and closed style from the menu entry or the button; the new style
// shows from the next rack on.
void StyleDeJeuClick(Partie& partie);
void StylebClick(Partie& partie);

}  // namespace glyphane
