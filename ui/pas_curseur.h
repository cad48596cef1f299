#pragma once
#include <QPoint>
#include <Qt>
#include <optional>

#include "ui/mode_ecran.h"

// How the keyboard moves the mouse cursor: a step of 7 pixels in the small
// layout, 10 in the full one, along the arrows or the eight directions of the
// numeric keypad, and never out of the layout.
namespace glyphane::ui {

struct Direction {
    int dx = 0;  // -1, 0, 1
    int dy = 0;
};

int pasDuCurseur(ModeEcran mode);

// The digit of a numeric keypad key, whether Num Lock gives digits or arrows;
// -1 for any other key.
int chiffreDuPave(int touche, Qt::KeyboardModifiers modificateurs);

// The arrows and the keypad's 1..9 but 5; nothing for any other key.
std::optional<Direction> directionDeTouche(int touche, Qt::KeyboardModifiers modificateurs);

// One step from `depart` (in the window's pixels): a coordinate moves only while
// it stays inside the layout's screen, strictly.
QPoint avancer(QPoint depart, Direction direction, ModeEcran mode);

}  // namespace glyphane::ui
