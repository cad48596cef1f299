#pragma once
#include <vector>

#include "ai/generateur_coups.h"
#include "engine/jeu.h"

// The review's top of the move just reached in replay, laid on the board as
// the computer's suggestion is: outlined, on the board as it stood before that
// move, and nothing played. The next step of the replay takes it away. It runs
// on the window thread.
namespace glyphane {

// Hides the tiles of move R-1 and lays `top` with tile pictures that this
// position of the replay does not show; outside replay it does nothing.
void MontrerTopEnRevue(Jeu& jeu, const std::vector<TuilePosee>& top);

}  // namespace glyphane
