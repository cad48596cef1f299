#pragma once
#include <QPainter>
#include <cmath>

// Pictures are drawn again for the device pixels they land on: in an enlarged
// window or on a dense screen one pixel of the layout covers several.
namespace glyphane::ui {

// How many device pixels one pixel of the layout covers where `p` paints: 1 in a
// capture at the layout's size, more through the enlarged window's view.
inline double echelleDuPeintre(const QPainter& p) { return std::abs(p.deviceTransform().m11()); }

// Close enough that a picture drawn for one serves the other pixel for pixel.
inline bool memeEchelle(double a, double b) { return std::abs(a - b) < 0.001; }

}  // namespace glyphane::ui
