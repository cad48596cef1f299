#pragma once
#include <QWidget>
#include <functional>

// What waits for a top-level window to stand where the window manager puts it:
// a window just shown is mapped later, and until then its position is only the
// toolkit's guess (a dialog centred on it then lands at the screen's corner).
namespace glyphane::ui {

// Runs `action` from the event loop once `fenetre`, shown, is exposed on the
// screen; at once (from the loop too) when it already is.
void quandPlacee(QWidget& fenetre, std::function<void()> action);

}  // namespace glyphane::ui
