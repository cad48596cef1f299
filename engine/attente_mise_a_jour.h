#pragma once
#include "engine/jeu.h"

// The possibility update runs beside the turn. Until it ends the move evaluation
// judges nothing and the possibility lists are half built, so whoever judges a
// move or reads the lists waits for it first.
namespace glyphane {

// Waits until the possibility update is over, keeping the window alive; false
// when a stop is asked meanwhile.
bool attendreFinMiseAJour(Jeu& jeu);

}  // namespace glyphane
