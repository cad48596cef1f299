#pragma once
#include "engine/partie.h"

// Where a tile let go on the window ends up. The same rules serve the mouse and
// the keyboard carry: they take the top-left corner of the tile's picture, in the
// pixels of the current screen layout.
namespace glyphane::ui {

// 0: before the board, 1..15: a column or a row, 16: past the board. Columns and
// rows share one table per layout; a pixel outside 0..800 counts as the nearest end.
int indexDuPixel(int mode, int pixel);

// Drops the tile: back to its rack slot left of, above or right of the board, or
// on a taken square; left where it lies below the board (the rack area); on a free
// square, snapped to it. In every case it leaves the square it held before.
void DeposerJeton(Partie& partie, int jeton, int gauche, int haut);

// The tile goes back to its slot in the current rack, off the board.
void RenvoyerAuChevalet(Partie& partie, int jeton);

}  // namespace glyphane::ui
