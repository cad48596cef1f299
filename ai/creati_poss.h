#pragma once
#include <cstddef>
#include <vector>

#include "ai/modele_ordinateur.h"
#include "engine/jeu.h"

// The background half of the possibility update: one word file and one new
// possibility per segment found around the last move, and giving the human the
// turn controls back once it is over.
namespace glyphane {

// The update thread's work, run to its end or to a stop request on the calling
// thread. Whatever happens, miseAJourEnCours is 0 when it returns.
void creatiPoss(Jeu& jeu, ModeleOrdinateur& modele);

// Earlier records (the first `avantMiseAJour` of the list) for the same letters
// and free squares as the segment are out of date.
void Supplanter(std::vector<Possibilite>& liste, std::size_t avantMiseAJour, const Segment& segment);

// What the waiting thread needs of the seat, taken when it starts: once the
// update is over the turn may move on while the thread still runs.
struct SiegeEnAttente {
    bool humain = false;
};
SiegeEnAttente siegeEnAttente(const Partie& partie);

// The waiting thread once the update is over: a human whose controls wait for
// it gets them (a rack still covered waits for its click instead), then the
// update's label goes after a short pause.
void RendreCommandesApresMiseAJour(Jeu& jeu, SiegeEnAttente siege);

}  // namespace glyphane
