#pragma once
#include <string_view>

#include "engine/partie.h"

// Moving the current seat's tiles between its rack and the board. These work on
// the model only; whoever calls them repaints.
namespace glyphane {

// Gives blank 27 or 47 the letter code ('a'..'z'); any other code leaves it
// without a letter ('?'). Other tiles are left alone.
void DonnerLettreJoker(Partie& partie, int jeton, char code);

// Sends jetonSelectionne back to its slot in the current seat's rack, shown or
// hidden, and takes it off the board. A blank loses its letter on the way.
void RemettreAuChevalet(Partie& partie, bool visible);

// Every tile listed in the current rack goes back to its slot.
void RemettreJetonsAuChevalet(Partie& partie, bool visible);

// Takes this turn's tiles off the board: the board is the committed one again and
// the rack tiles are back in their slots, shown.
void RetirerCoup(Partie& partie);

// Puts the rack as the turn began (chevaletDuTour) back in slots 1..7, shown,
// and the points shown back to 0: cancelling an exchange, an exchange that asked
// for too many tiles and a refused move all start again from it.
void RemettreChevaletDuTour(Partie& partie);

// Lays a move text ("ab;HHHI": letters, ';', then column and row per letter, each
// 'A'..'O') from the current rack onto the board. False when the text has no ';'
// or nothing after it; a letter the rack cannot supply, or whose square is off
// the board or taken, places nothing.
bool PoserTexteDeCoup(Partie& partie, std::string_view texte);

}  // namespace glyphane
