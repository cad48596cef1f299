#pragma once
#include <cstdint>
#include <functional>

#include "ai/modele_ordinateur.h"
#include "engine/jeu.h"

// The computer's turn, run on the thread that owns it.
namespace glyphane {

// Where the computer hands its turn on: the turn controller, or whatever a test
// puts in its place.
using RelaisTourSuivant = std::function<void(Jeu&)>;

// Waits for the possibility update, searches, plays the candidate its level
// picks (or exchanges, or passes), then hands over to tourSuivant unless a stop
// was asked. ordiOccupe is 1 while it runs and 0 once it returns: the next
// computer turn, which tourSuivant asks for from this very thread, must start
// only after it returns.
void TourOrdinateurRelaye(Jeu& jeu, ModeleOrdinateur& modele, const RelaisTourSuivant& tourSuivant);

// The same, handing over to the turn controller.
void TourOrdinateur(Jeu& jeu, ModeleOrdinateur& modele);

enum class IssueCandidats {
    coupPose,  // a candidate stands on the board, checked: hand over
    abandon,   // ten failures, or nothing left to try: the turn is lost
    arret,     // a stop was asked: nothing more to do
};

// Tries the listed candidates by level until one
// stands on the board forming known words only, at most ten times.
IssueCandidats JouerLesCandidats(Jeu& jeu, const ModeleOrdinateur& modele, std::int32_t cible);

}  // namespace glyphane
