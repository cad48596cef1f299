#pragma once
#include <filesystem>
#include <string>

#include "engine/jeu.h"

// Saving the game to a file. It runs on the window thread.
namespace glyphane {

// Asks the window for a file name (".Glb" is added when the name does not end in
// it exactly), asks before replacing an existing file, then writes. Does nothing
// while a computer seat is to play a game that goes on. A file that cannot be
// written is told, and an existing one is left intact. Asked for only while the
// menu entry is enabled.
void sauvegarderPartie(Jeu& jeu);

// The name a save goes to: the name chosen, with ".Glb" unless it ends in
// exactly that (so "partie.glb" becomes "partie.glb.Glb").
std::string NomDeSauvegarde(const std::string& nomChoisi);

// Writes the game to the file without asking anything; false when it could not,
// the file being then as it was.
bool EnregistrerPartie(const Partie& partie, const std::filesystem::path& fichier);

}  // namespace glyphane
