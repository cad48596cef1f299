#pragma once
#include "engine/jeu.h"

// What the player asks for during a turn. The window (a button's click, after
// its sound) and the console call these only while the matching control is
// enabled; a game that is over ignores them.
// A tile dropped on the exchange goes through MettreALEchange (engine/regles.h).
namespace glyphane {

// Judges the tiles put down, looks their words up and plays the move, asks for
// a blank's letter, opens the refused-word report, or tells why the move cannot
// be played.
void jouerCoup(Jeu& jeu);

// Opens the exchange panel; once the bag is empty there is nothing to exchange
// and the turn passes instead.
void ouvrirEchangeOuPasser(Jeu& jeu);

// Confirms the exchange: the tiles moved into it are replaced and the turn passes.
void validerEchange(Jeu& jeu);

// Closes the exchange panel with the rack as the turn began.
void annulerEchange(Jeu& jeu);

// Uncovers a human's rack in closed style and gives the turn's controls, once
// the computer player has finished updating what it knows of the board.
void decouvrirChevalet(Jeu& jeu);

// Toggles open and closed style; the new style shows from the next rack on.
void changerStyle(Partie& partie);

}  // namespace glyphane
