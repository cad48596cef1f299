#pragma once
#include <array>
#include <cstdint>
#include <stop_token>
#include <string>
#include <vector>

#include "ai/generateur_coups.h"
#include "engine/partie.h"
#include "lexicon/trie.h"

// The review of a game: for every turn, the best score the rack could have made
// on the board as it stood (the top), beside what was played; for every seat,
// how much of its tops it took. It reads the history alone, so a game loaded
// from a file is reviewed as well as one just played.
namespace glyphane {

// What the review reads of a game, copied off it on the thread that owns the
// game: the review may then run on any thread while the game goes on.
struct PartieARevoir {
    int nbJoueurs = 0;
    std::vector<Coup> historique;  // records 1..size()-1 are the turns played
    PlateauFixe plateauFinal{};    // every committed tile, blanks with their letters
};

// The finished game's turns; nothing while the game goes on.
PartieARevoir partieARevoir(const Partie& partie);

struct TourRevu {
    std::int32_t tour = 0;  // the record's number
    int siege = 0;
    std::string chevalet;   // seven characters: the record's letters, "?" a blank, "." the slots left empty
    std::vector<TuilePosee> joue;  // no tile for an exchange or a pass
    std::string mot;               // the main word, as the history keeps it
    int sens = sensHorizontal;
    std::int32_t points = 0;
    std::vector<TuilePosee> top;   // no tile when the rack could make no move
    std::string motTop;
    int sensTop = sensHorizontal;
    std::int32_t pointsTop = 0;
};

struct TotalDuSiege {
    std::int32_t points = 0;  // before the end-of-game adjustment
    std::int32_t tops = 0;
    // The points as a whole percentage of the tops, rounded down; 100 when both are 0.
    int part() const;
};

struct BilanPartie {
    int nbJoueurs = 0;
    // The turns in play order, but for those whose rack cannot be read back
    // from the record: their number goes to `illisibles` and they count nowhere.
    std::vector<TourRevu> tours;
    std::vector<std::int32_t> illisibles;
    std::array<TotalDuSiege, nbSiegesMax + 1> totaux{};  // seats 1..nbJoueurs
    bool complet = false;  // false when a stop cut it short
};

// Seat s plays turns s, s + nbJoueurs, ...: exchanges and passes hand the turn
// on as moves do. A stop request ends it between two turns.
BilanPartie BilanDePartie(const PartieARevoir& partie, const LexiconTrie& trie, std::stop_token arret = {});

// Tiles as a move text in board order, a blank's letter in capitals, then per
// tile its column and its row "A".."O"; "-" for no tile.
std::string texteDuBilan(const std::vector<TuilePosee>& tuiles);

// "bilan T S RACK TEXT POINTS TOPTEXT TOPPOINTS", then "total S POINTS TOPS SHARE".
std::string ligneDuTourRevu(const TourRevu& tour);
std::string ligneDuTotal(int siege, const TotalDuSiege& total);
std::vector<std::string> lignesDuBilan(const BilanPartie& bilan);

}  // namespace glyphane
