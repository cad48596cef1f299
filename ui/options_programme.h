#pragma once
#include <QSize>
#include <QStringList>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "ui/mode_ecran.h"

// What the program decides before its window exists: the folder it keeps its
// files in and the layout of its window.
namespace glyphane::ui {

// How the window stands on the screen.
enum class Presentation {
    pleinEcran,   // borderless and maximised, on a screen the layout was made for
    fenetre820,   // a sizeable 820 x 630 window, on a larger screen
    tailleFixe,   // borderless at the layout's own size, when the layout was imposed
};

struct OptionsProgramme {
    std::filesystem::path dossier;
    ModeEcran mode = ModeEcran::m800;
    Presentation presentation = Presentation::pleinEcran;
    // Draws replay with a fixed seed; the program seeds from the clock.
    std::optional<std::uint64_t> graine;
    // The window of a large screen grows with it; off, it keeps its 820 x 630.
    bool agrandir = true;
};

// How much the window of a large screen is enlarged, the layout unchanged inside.
struct Agrandissement {
    double fenetre = 1;  // on the window's sizes, in the screen's logical pixels
    double pixels = 1;   // on the pictures, drawn at the device's own pixels
};

// The window's size at its natural scale, when it opens on a large screen.
inline constexpr QSize tailleFenetre820{820, 630};

// Enough to fill most of the screen's free area while leaving room for the window's
// frame and the desktop's panels; never a shrink, and nothing but the 820 x 630 window
// grows (a layout made for the screen already covers it, an imposed one keeps its pixels).
Agrandissement agrandissementPour(const OptionsProgramme& options, QSize ecranDisponible, double ratioPixels);

// The layout for a screen this many pixels wide: 640 below 780, 800 up to 880,
// larger screens get the 800 layout in a window of its own.
OptionsProgramme disposerPourLargeur(int largeurEcran);

// The program's id on the desktop, as its menu entry is named.
inline constexpr std::string_view idBureau = GLYPHANE_ID_BUREAU;

// An installed program: its folder is the bin of a prefix holding its menu entry.
bool programmeInstalle(const std::filesystem::path& dossierExecutable);

// The executable's folder when the program may write there and is not installed
// (root may write in /usr/bin, which is no place for a player's files), else the
// user's data folder (XDG_DATA_HOME, else ~/.local/share) under "glyphane".
std::filesystem::path dossierParDefaut(const std::filesystem::path& dossierExecutable);

// From the command line ("--dossier DOSSIER", never empty, and "--sans-agrandissement")
// and the environment (GLYPHANE_DOSSIER, ignored when empty, GLYPHANE_MODE = 640, 800
// or grand to impose a layout whatever the screen, which also keeps its pixels, and
// GLYPHANE_AGRANDIR=0 like "--sans-agrandissement"). Nothing, with the reason in
// `erreur`, for a bad command line.
std::optional<OptionsProgramme> lireOptions(const QStringList& arguments, int largeurEcran,
                                            const std::filesystem::path& dossierExecutable, std::string& erreur);

}  // namespace glyphane::ui
