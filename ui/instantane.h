#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "engine/partie.h"

// What the window paints of the game, copied while the model is steady by the
// thread that owns the turn. The window never reads the live model to paint: a
// computer turn may be changing it on its own thread.
namespace glyphane::ui {

struct Instantane {
    std::array<ImageJeton, nbJetons + 1> images{};
    std::array<char, nbJetons + 1> lettres{};  // a blank's chosen letter, '?' while none
    GrilleMarques grilleSuggestion{};
    GrilleMarques grilleDernierCoup{};
    bool surlignageSuggestion = false;
    bool surlignageDernierCoup = false;
    int nbJoueurs = 0;
    int joueurCourant = 0;
    std::array<std::string, nbSiegesMax + 1> noms{};
    std::array<std::int32_t, nbSiegesMax + 1> scores{};
    // A game is under way and its seat to play is the computer's: the player's
    // hands are off the tiles.
    bool tourOrdinateur = false;
    bool partieEnCours = false;
};

Instantane capturer(const Partie& partie);

}  // namespace glyphane::ui
