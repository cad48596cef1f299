#pragma once
#include <filesystem>

#include "engine/jeu.h"

// Starting a game: the reset of the whole model, the setup dialogs and the first
// turn, which deals the tiles.
namespace glyphane {

// The "&Nouvelle partie" button: reset, number of players, names, computer
// seats and style (the names dialog may go back to the number), the draw for
// the playing order when several play, then the deal.
void NouvellePartie(Jeu& jeu);

// Everything back to a game that has not started: board, tiles, racks, bag,
// scores, flags, history, the computer player's lists (seeded for the first move
// when avecModeles is set and a computer player is linked in) and its temporary
// word files.
void ReinitialiserPartie(Jeu& jeu, bool avecModeles);

// Asks until the answer is 1..4 and keeps it in nbJoueurs.
void DemanderNombreJoueurs(Jeu& jeu);

inline constexpr int nomsOk = 1;
inline constexpr int nomsRetour = -1;
inline constexpr std::size_t longueurNomMax = 8;  // characters

// The names dialog. "&ok" (nomsOk) names each seat: "Ordi N" for a computer
// seat, "Joueur N" for an empty name, else the name typed (8 characters at
// most). "&retour" (nomsRetour) leaves the seats as they were. The style box
// acts as soon as it is clicked, so the style is taken either way.
int DemanderNoms(Jeu& jeu);

// Seat 1 to play; the turn controller deals the tiles and starts the turn.
void PremierTour(Jeu& jeu);

}  // namespace glyphane
