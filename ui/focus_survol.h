#pragma once

class QWidget;

// A button of the main window takes the keyboard focus as the mouse passes over
// it, so that Space or Enter presses the button the cursor was brought to. The
// turn's buttons and the new-game button only do so while a human is to play.
namespace glyphane::ui {

void donnerLeFocusAuSurvol(QWidget* survole, bool humainJoue);

}  // namespace glyphane::ui
