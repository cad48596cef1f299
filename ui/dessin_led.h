#pragma once
#include <QImage>

// The alarm's lamp, lit or unlit, for any number of device pixels per layout
// pixel: the program's own 12 x 12 pictures are this drawing at the layout's
// scale, and an enlarged window draws it again for the pixels it covers.
namespace glyphane::ui {

inline constexpr int coteLed = 12;

// coteLed times `echelle` on each side, see-through around the lamp.
QImage dessinerLed(bool allumee, double echelle);

}  // namespace glyphane::ui
