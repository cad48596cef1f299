#pragma once
#include <QRect>
#include <span>
#include <string_view>

#include "ui/mode_ecran.h"

// Where every control of the main window stands in each layout, and what it
// says. A width of 0 sizes the control to its text.
namespace glyphane::ui {

enum class Genre { bouton, etiquette, autre };

struct Emplacement {
    const char* nom;  // the control's object name
    Genre genre;
    QRect en800;
    QRect en640;
    const char* caption;
    const char* hint;
};

std::span<const Emplacement> emplacements();
// The control's place in the layout; an empty rectangle for an unknown name.
QRect placeDe(std::string_view nom, ModeEcran mode);

struct EntreeMenu {
    const char* nom;
    const char* caption;
    int touche;  // Qt::Key_F2..., 0 for none
    const char* hint;
};

std::span<const EntreeMenu> entreesMenu();

// The board's row letters "A".."O" down its left edge and column numbers along
// its top: where label `numero` (1..15) stands.
QRect placeLettreLigne(int ligne, ModeEcran mode);
QRect placeNumeroColonne(int colonne, ModeEcran mode);

}  // namespace glyphane::ui
