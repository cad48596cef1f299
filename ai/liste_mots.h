#pragma once
#include "ai/modele_ordinateur.h"
#include "engine/jeu.h"

// The list of the words a human's rack can play, and the choice of one of them.
// These run on the window thread.
namespace glyphane {

// Whether the list is shown already (more than 2 characters of text).
bool listeMontree(Partie& partie);

// Searches and fills the list, unless it is shown already. True when it
// searched. Asked for only while the menu entry is enabled.
bool listerMots(Jeu& jeu, ModeleOrdinateur& modele);

// Line `ligne` (from 0) of the list is chosen: the rack comes back and that
// move is laid on the board, outlined and evaluated. A line past the list only
// takes the tiles back. Ignored while the computer plays.
void choisirMotDeLaListe(Jeu& jeu, const ModeleOrdinateur& modele, int ligne);

}  // namespace glyphane
