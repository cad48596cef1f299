#include "console/dossier_utilisateur.h"

#include <cstdlib>

namespace glyphane {

std::filesystem::path dossierUtilisateur() {
    if (const char* donnees = std::getenv("XDG_DATA_HOME"); donnees != nullptr && *donnees != '\0') {
        return std::filesystem::path(donnees) / "glyphane";
    }
    if (const char* maison = std::getenv("HOME"); maison != nullptr && *maison != '\0') {
        return std::filesystem::path(maison) / ".local" / "share" / "glyphane";
    }
    return std::filesystem::current_path() / "glyphane";
}

}  // namespace glyphane
