#include "persist/remplacement_fichier.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

namespace glyphane {

namespace fs = std::filesystem;

namespace {

// Stale files of an earlier save that was cut short are stepped over, never reused.
constexpr int essaisMax = 100;

struct FermerFichier {
    void operator()(std::FILE* fichier) const { std::fclose(fichier); }
};
using Fichier = std::unique_ptr<std::FILE, FermerFichier>;

struct Temporaire {
    fs::path chemin;
    Fichier fichier;
};

// A file of our own in the target's folder, so that the rename cannot cross
// file systems; "x" refuses a name that exists.
std::optional<Temporaire> creerTemporaire(const fs::path& cible) {
    for (int n = 0; n < essaisMax; ++n) {
        const fs::path chemin = cible.parent_path() / (".sauvegarde-" + std::to_string(n) + ".tmp");
        if (std::FILE* fichier = std::fopen(chemin.c_str(), "wbx")) return Temporaire{chemin, Fichier(fichier)};
        if (errno != EEXIST) return std::nullopt;
    }
    return std::nullopt;
}

bool ecrireEtFermer(Fichier fichier, std::string_view contenu) {
    const bool ecrit = std::fwrite(contenu.data(), 1, contenu.size(), fichier.get()) == contenu.size() &&
                       std::fflush(fichier.get()) == 0;
    return std::fclose(fichier.release()) == 0 && ecrit;
}

}  // namespace

bool RemplacerFichier(const fs::path& cible, std::string_view contenu) {
    std::optional<Temporaire> temporaire = creerTemporaire(cible);
    if (!temporaire) return false;
    std::error_code erreur;
    if (ecrireEtFermer(std::move(temporaire->fichier), contenu)) {
        fs::rename(temporaire->chemin, cible, erreur);
        if (!erreur) return true;
    }
    fs::remove(temporaire->chemin, erreur);
    return false;
}

}  // namespace glyphane
