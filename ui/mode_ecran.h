#pragma once
#include <QFont>
#include <QRect>

// The window exists in two fixed layouts, chosen once at start-up from the
// screen's width: every position and size has one value per layout.
namespace glyphane::ui {

enum class ModeEcran { m640 = 640, m800 = 800 };

// The value of the current layout among the two.
template <class T>
T selonMode(ModeEcran mode, T en800, T en640) {
    return mode == ModeEcran::m640 ? en640 : en800;
}

inline QRect selonMode(ModeEcran mode, QRect en800, QRect en640) {
    return mode == ModeEcran::m640 ? en640 : en800;
}

}  // namespace glyphane::ui
