#pragma once
#include "ai/modele_ordinateur.h"
#include "engine/jeu.h"

// Showing a human what the computer would play in its place: the best candidate,
// whatever the level, laid on the board as tentative tiles with its squares
// outlined. These run on the window thread.
namespace glyphane {

void voirLeCoupdeLOrdiCherche(Jeu& jeu, ModeleOrdinateur& modele);

// Whether the show may run now: a human may play (Jouer is shown and enabled
// then), and no possibility update is under way. The window plays its click
// when it may.
bool voirPermis(Jeu& jeu);

// Asked for only while the menu entry is enabled; the entry is disabled while
// it runs, enabled again whatever happens. True when the show ran.
bool voirCoupOrdinateur(Jeu& jeu, ModeleOrdinateur& modele);

}  // namespace glyphane
