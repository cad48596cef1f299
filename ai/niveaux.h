#pragma once
#include "engine/partie.h"

// The strength of every computer seat, one setting from 1 (the weakest) to
// niveauMeilleur. Each level aims at a share of the best candidate's score.
namespace glyphane {

struct Niveau {
    const char* caption;  // what the level button shows
    const char* hint;
    double diviseur;
};

// Any number outside 1..niveauMeilleur plays as the weakest level.
const Niveau& niveauNumero(int numero);

// One step down, from the weakest back to the best.
void changerNiveau(Partie& partie);

// False for a number outside 1..niveauMeilleur, the level then unchanged.
bool fixerNiveau(Partie& partie, int numero);

}  // namespace glyphane
