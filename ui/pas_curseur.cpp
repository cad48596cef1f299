#include "ui/pas_curseur.h"

#include <array>

namespace glyphane::ui {

namespace {

// With Num Lock off the keypad sends these keys, digit by digit.
constexpr std::array<int, 10> touchesDuPave = {
    Qt::Key_Insert, Qt::Key_End,  Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Left,
    Qt::Key_Clear,  Qt::Key_Right, Qt::Key_Home, Qt::Key_Up,       Qt::Key_PageUp,
};

// The keypad's digits laid out as its keys are: 7 8 9 on top, 1 2 3 below.
constexpr std::array<Direction, 10> directionsDuPave = {{
    {0, 0}, {-1, 1}, {0, 1}, {1, 1}, {-1, 0}, {0, 0}, {1, 0}, {-1, -1}, {0, -1}, {1, -1},
}};

}  // namespace

int pasDuCurseur(ModeEcran mode) { return selonMode(mode, 10, 7); }

int chiffreDuPave(int touche, Qt::KeyboardModifiers modificateurs) {
    if (!modificateurs.testFlag(Qt::KeypadModifier)) return -1;
    if (touche >= Qt::Key_0 && touche <= Qt::Key_9) return touche - Qt::Key_0;
    for (std::size_t chiffre = 0; chiffre < touchesDuPave.size(); ++chiffre) {
        if (touchesDuPave[chiffre] == touche) return static_cast<int>(chiffre);
    }
    return -1;
}

std::optional<Direction> directionDeTouche(int touche, Qt::KeyboardModifiers modificateurs) {
    const int chiffre = chiffreDuPave(touche, modificateurs);
    if (chiffre >= 1 && chiffre != 5) return directionsDuPave[static_cast<std::size_t>(chiffre)];
    switch (touche) {
        case Qt::Key_Left: return Direction{-1, 0};
        case Qt::Key_Right: return Direction{1, 0};
        case Qt::Key_Up: return Direction{0, -1};
        case Qt::Key_Down: return Direction{0, 1};
        default: return std::nullopt;
    }
}

QPoint avancer(QPoint depart, Direction direction, ModeEcran mode) {
    const int pas = pasDuCurseur(mode);
    const int largeur = selonMode(mode, 800, 600);
    const int hauteur = selonMode(mode, 600, 480);
    QPoint arrivee = depart;
    const int x = depart.x() + direction.dx * pas;
    const int y = depart.y() + direction.dy * pas;
    if (direction.dx != 0 && x > 0 && x < largeur) arrivee.setX(x);
    if (direction.dy != 0 && y > 0 && y < hauteur) arrivee.setY(y);
    return arrivee;
}

}  // namespace glyphane::ui
