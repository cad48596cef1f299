#pragma once
#include "engine/jeu.h"

// The chrono on the main window: its settings dialog, and the tick of its timer.
namespace glyphane::ui {

class Sons;
class VueQt;

// "Chronomètre" (F6) and "c&hrono": the dialog, then the chronos as it left them.
// A total chosen during a game changes nothing.
void ChronoClick(Jeu& jeu, VueQt& vue);

// Every second while the chrono runs: one second less for the turn and for the
// seat to play, a beep on the red seconds of the turn's last twenty.
void TicChronoFenetre(Jeu& jeu, VueQt& vue, Sons& sons);

}  // namespace glyphane::ui
