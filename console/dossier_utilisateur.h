#pragma once
#include <filesystem>

namespace glyphane {

// Where the program keeps its files when no folder is given: the user's data
// folder (XDG_DATA_HOME, else ~/.local/share) under "glyphane".
std::filesystem::path dossierUtilisateur();

}  // namespace glyphane
