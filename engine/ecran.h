#pragma once
#include <array>
#include <utility>
#include <vector>

#include "engine/jetons.h"
#include "engine/plateau.h"

namespace glyphane {

// The picture of one tile on the window, in the pixels of the current screen mode.
struct ImageJeton {
    int left = -50;
    int top = 0;
    bool visible = false;
    bool deplacable = true;
};

// The two screen layouts fix where tiles stand; the model keeps positions in pixels
// so that dragging and the rules agree on which square a tile is on.
struct Geometrie {
    int mode = 800;
    int gaucheCase(int colonne) const { return mode == 640 ? 22 + 25 * (colonne - 1) : 30 + 31 * (colonne - 1); }
    int hautCase(int ligne) const { return mode == 640 ? 22 + 25 * (ligne - 1) : 30 + 31 * (ligne - 1); }
    int gaucheChevalet(int casier) const { return mode == 640 ? casier * 50 - 10 : casier * 64 - 10; }
    int hautChevalet() const { return mode == 640 ? 420 : 524; }
    int tailleJeton() const { return mode == 640 ? 24 : 29; }
};

// Where the window draws each tile, in its own pixels, and which squares it
// outlines. The rules keep it up to date as they move tiles; two still read it
// back: a tile that cannot be dragged is committed, and a hidden one is not
// offered to the computer's exchange.
struct Ecran {
    std::array<ImageJeton, nbJetons + 1> images{};
    Geometrie geometrie;
    GrilleMarques grilleSuggestion{};
    bool surlignageDernierCoup = false;
    bool surlignageSuggestion = false;
    // A move shown in replay without being played borrows tile pictures: what
    // each showed before, given back when the suggestion goes, last borrowed
    // first; and the letter a borrowed blank shows (0: its own).
    std::vector<std::pair<int, ImageJeton>> empruntes;
    std::array<char, nbJetons + 1> lettreMontree{};
};

}  // namespace glyphane
