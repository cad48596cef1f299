#pragma once
#include <QColor>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The window's background colour is the one setting kept between runs, one line
// in the colour file: a colour's name ("clBtnFace", "clWhite"...) or "$" and
// eight hexadecimal digits 00BBGGRR, so that files from other installations read.
namespace glyphane::ui {

QColor couleurDepuisBbggrr(std::uint32_t bbggrr);

// The colour the window has until the player picks another.
QColor couleurParDefaut();

// Nothing when the text names no colour.
std::optional<QColor> couleurDepuisTexte(std::string_view texte);
std::string texteDeCouleur(const QColor& couleur);

// Replaces the colour file; false when it cannot be written.
bool ecrireFichierCouleur(const std::filesystem::path& dossierProgramme, const QColor& couleur);

}  // namespace glyphane::ui
