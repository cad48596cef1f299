#pragma once
#include "engine/partie.h"

// Which controls the window shows and enables, and how the current rack is laid
// out. Both write the model only (partie.fenetre, the tile pictures); whoever
// calls them asks the window to repaint.
namespace glyphane {

// Enters a phase with the game's facts as they stand: the seat to play, the
// style, the bag, the number of seats.
void EntrerDansPhase(Partie& partie, Phase phase);

// Enters `vers` only while the game is in `depuis`, with the facts recorded
// when that phase was entered; true when it did. It reads nothing else of the
// game, so a worker thread may call it while the window thread plays.
bool ChangerDePhase(Partie& partie, Phase depuis, Phase vers);

// No game: the new-game buttons and nothing of a game, every chrono stopped,
// the window enabled.
void AfficherSansPartie(Partie& partie);

// A game starts, new or loaded: an empty word list and points label, and the
// seats' total times from their limit when that chrono is set.
void AfficherDebutPartie(Partie& partie);

// A human's turn starts: the word list emptied under its cover; in open style
// the turn's controls and the chrono start at once, in closed style they wait
// for the click on the rack's cover.
void OuvrirTourHumain(Partie& partie);

// The label of the possible-word update, shown while it runs; the progress bar
// starts again from 0 either way.
void AfficherMiseAJour(Partie& partie, bool enCours);

// Shows the current seat's rack: its name in the turn label, its tiles in their
// slots (hidden for a computer seat in closed style), the cover over the rack in
// closed style. The turn starts from here: the rack as it stands is the turn's
// rack, no tile is in the exchange and the board holds no tentative tile.
void AfficherChevalet(Partie& partie);

// The board picture without the outlines of a suggested move, and without the
// tiles a move shown in replay borrowed.
void EffacerSuggestion(Partie& partie);

// Open style (every rack shown) or closed, with the captions of the menu entry
// and of the button that toggle it.
void DonnerStyle(Partie& partie, bool ouvert);

}  // namespace glyphane
