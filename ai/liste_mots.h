#pragma once
#include "ai/modele_ordinateur.h"
#include "engine/jeu.h"

// The list of the words a human's rack can play, and a click on one of them.
// These run on the window thread.
namespace glyphane {

// Searches and fills the list, unless it is already shown (more than 2
// characters of text). True when it searched.
bool ListeDeMotClick(Jeu& jeu, ModeleOrdinateur& modele);

// The button acts only while the menu entry is enabled; false: the window beeps.
bool ButtonListeMotClick(Jeu& jeu, ModeleOrdinateur& modele);

// A click on line `ligne` (from 0) of the list: the rack comes back and that
// move is laid on the board, outlined and evaluated. A line past the list only
// takes the tiles back. Ignored while the computer plays.
void memo1MouseDown(Jeu& jeu, const ModeleOrdinateur& modele, int ligne);

}  // namespace glyphane
