#pragma once
#include <string>
#include <vector>

namespace glyphane {

// One line of the list of possible words, with the letters already on the board
// marked so that the window can show them in red.
struct LigneMot {
    std::string texte;
    std::vector<bool> dejaPose;  // one flag per character of texte
};

}  // namespace glyphane
