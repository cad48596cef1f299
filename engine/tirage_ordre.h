#pragma once
#include "engine/jeu.h"

namespace glyphane {

inline constexpr int tiragesParSiege = 50;

// The draw for the playing order, when the players ask for it: each seat in
// turn draws a letter no earlier seat drew, shown as it rolls; the seats are then
// renumbered by their letters, "a" first, each keeping its name and whether the
// computer plays it.
void TirageOrdre(Jeu& jeu);

}  // namespace glyphane
