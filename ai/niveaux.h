#pragma once
#include <string>
#include <string_view>

#include "engine/partie.h"

// The strength of every computer seat: one setting, kept as the caption of the
// level button. Each level aims at a share of the best candidate's score.
namespace glyphane {

struct Niveau {
    std::string_view caption;
    std::string_view hint;
    double diviseur;
};

// The level a caption names; any caption that is not one of the five plays as
// the weakest level.
const Niveau& niveauDeCaption(std::string_view caption);

// The level button: one step down, from the weakest back to the best.
void niveauxClick(Partie& partie);

// Level 1 (the weakest) to 5 (the best), caption and hint; false for any other
// number, the level then unchanged.
bool fixerNiveau(Partie& partie, int numero);

}  // namespace glyphane
