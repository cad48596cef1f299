#pragma once
#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "ai/modele_ordinateur.h"
#include "engine/jeu.h"

// What the computer's turns did, written down as each one is handed over, so
// that the console can print them and a script or a test can check every move.
namespace glyphane {

enum class NatureDuTour { coup, echange, passe };

struct TourJoue {
    NatureDuTour nature = NatureDuTour::passe;
    std::int32_t tour = 0;  // numeroTour while it was played
    int siege = 0;
    std::string chevalet;  // as the turn began, slot order: "?" a blank, "." an empty slot
    std::string texte;     // a move: texteDesJetonsPoses
    std::string mot;       // a move: its main word, as the history keeps it
    std::int32_t points = 0;
    std::string rendus;  // an exchange: the letters given back, in slot order
};

// This turn's tiles as a move text, in board order: their letters (a blank's in
// capitals, since it scores nothing), ";", then per tile its column and its row,
// "A".."O". Empty when no tile of this turn lies on the board.
std::string texteDesJetonsPoses(const Partie& partie);

// "coup T S RACK TEXTE MOT POINTS", "echange T S RACK LETTRES" or
// "passe T S RACK". A computer move withdrawn by the turn controller, or a turn
// given up after ten failed candidates, is a pass.
std::string ligneDuTour(const TourJoue& tour);

// The computer's turn (TourOrdinateur) watched: each turn is written down once
// the turn controller has taken it over, and its search is timed from the end of
// the wait for the possibility update to the hand-over.
class JournalDesTours {
public:
    using Duree = std::chrono::steady_clock::duration;

    // The turn function to give the computer player.
    void jouerTour(Jeu& jeu, ModeleOrdinateur& modele);

    // The turns written down since the last call, in play order.
    std::vector<TourJoue> prendreTours();
    // Every search timed so far.
    std::vector<Duree> dureesRecherche();

private:
    void noter(TourJoue tour, Duree recherche);

    std::mutex verrou;
    std::vector<TourJoue> tours;
    std::vector<Duree> recherches;
};

}  // namespace glyphane
