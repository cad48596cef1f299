#pragma once
#include "engine/partie.h"

// Which controls the window shows and enables, and how the current rack is laid
// out. Both write the model only (partie.fenetre, the tile pictures); whoever
// calls them asks the window to repaint.
namespace glyphane {

// The status modes of the window.
inline constexpr int etatSansPartie = 0;      // start-up, new-game reset
inline constexpr int etatTourEnCours = 1;     // a turn is being processed
inline constexpr int etatPartieFinie = 2;
inline constexpr int etatDebutMiseAJour = 3;  // the possible-word update starts
inline constexpr int etatFinMiseAJour = 4;
inline constexpr int etatHumainJoue = 6;      // a human may play
inline constexpr int etatRevoir = 7;          // replay of a saved game
inline constexpr int etatDebutPartie = 8;

// Applies a status mode; any other number changes nothing.
void AfficherEtat(Partie& partie, int mode);

// Shows the current seat's rack: its name in the turn label, its tiles in their
// slots (hidden for a computer seat in closed style), the cover over a human's
// rack in closed style. The turn starts from here: the rack as it stands is the
// turn's rack, no tile is in the exchange and the board holds no tentative tile.
void AfficherChevalet(Partie& partie);

// The board picture without the outlines of a suggested move.
void EffacerSuggestion(Partie& partie);

// Open style (every rack shown) or closed, with the captions of the menu entry
// and of the button that toggle it.
void DonnerStyle(Partie& partie, bool ouvert);

}  // namespace glyphane
