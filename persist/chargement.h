#pragma once
#include <string_view>

#include "engine/jeu.h"

// Loading a saved game. It runs on the window thread.
namespace glyphane {

// The game is reset, the open dialog asks for a file, and the game it holds is
// loaded.
void ouvrirPartieSauvegardee(Jeu& jeu);

// The same once the file is chosen and read: the game is reset and the content
// loaded.
void ouvrirContenuSauvegarde(Jeu& jeu, std::string_view contenu);

// A file's content, already read, into a game just reset. A finished game opens
// for replay; a game in progress resumes at the seat whose turn it was, once the
// computer player (when linked in) has rebuilt what it knows of the board. A file
// that is not a saved game, or is damaged, is told and nothing of it is kept.
void ChargerPartie(Jeu& jeu, std::string_view contenu);

}  // namespace glyphane
