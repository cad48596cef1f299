#pragma once
#include <string>

#include "engine/partie.h"

namespace glyphane {

// The whole saved-game file for the game as it stands, in Windows-1252 with CR LF
// line ends: what the loader reads back, then the statistics for a human reader.
// Tiles laid on the board this turn, or moved into an exchange not yet
// confirmed, are written in their rack: the move has not happened.
std::string ContenuSauvegarde(const Partie& partie);

}  // namespace glyphane
