#pragma once
#include <QSize>
#include <filesystem>
#include <optional>
#include <string_view>

// The size the player gave the enlarged window is kept for the next start, one
// line "LARGEUR HAUTEUR" in its file in the program's folder.
namespace glyphane::ui {

inline constexpr std::string_view nomFichierTailleFenetre = "fenetre.txt";

// Nothing for a missing file or one that holds no two positive whole numbers.
std::optional<QSize> lireTailleFenetre(const std::filesystem::path& dossierProgramme);
// False when the file cannot be written.
bool ecrireTailleFenetre(const std::filesystem::path& dossierProgramme, QSize taille);

// The kept size when it is at least the window's natural size and still fits the
// screen's free area (the screen may have changed), else `naturelle` enlarged by `facteur`.
QSize tailleAOuvrir(std::optional<QSize> retenue, QSize naturelle, double facteur, QSize ecranDisponible);

}  // namespace glyphane::ui
