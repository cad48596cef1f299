#pragma once
#include <QImage>
#include <filesystem>

#include "ui/mode_ecran.h"

// The board under the tiles is a picture the program draws itself and keeps
// beside itself, so that it is drawn once, not at every start.
namespace glyphane::ui {

// 475 x 475 in the 800 layout, 386 x 386 in the 640 one, times `echelle` on
// each side: an enlarged window draws it again for the pixels it covers.
QImage dessinerFondPlateau(ModeEcran mode, double echelle = 1);

// "ImageDeFond.bmp" or "ImageDeFond640.bmp" in the program folder.
std::filesystem::path fichierFond(const std::filesystem::path& dossierProgramme, ModeEcran mode);

// The cached picture, drawn and saved again when asked to, or when the file is
// missing, unreadable or too small to be a picture. A failed save still gives
// the drawn picture.
QImage chargerFondPlateau(const std::filesystem::path& dossierProgramme, ModeEcran mode, bool redessiner);

}  // namespace glyphane::ui
