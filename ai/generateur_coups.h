#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ai/evaluer_placement.h"
#include "engine/partie.h"
#include "lexicon/trie.h"

// Every legal move of a rack on a committed board, found in memory from the trie
// alone, with the points the move evaluation would give it. Unlike the candidate
// search it needs neither the possibility lists nor their word files, so it can
// judge a position after the fact: the game review, and the tests that check the
// search against it.
namespace glyphane {

// A committed square: its letter ("a".."z"), 0 when empty; a blank keeps the
// letter it was given and scores nothing.
struct CaseFixe {
    char lettre = 0;
    bool joker = false;
};

// Indexed [x][y] like the engine's grids: column x, row y, 1..15.
using PlateauFixe = std::array<std::array<CaseFixe, tailleGrille + 1>, tailleGrille + 1>;

// The committed board of a game, blanks with their letters.
PlateauFixe plateauFixeDe(const Partie& partie);

struct TuilePosee {
    int x = 0;
    int y = 0;
    char lettre = 0;  // the letter it stands for, a blank's included
    bool joker = false;
};

struct CoupGenere {
    std::vector<TuilePosee> tuiles;  // in board order: column by column, then row
    std::int32_t points = 0;
    // Lays exactly these tiles through PoserTexteDeCoup: real letters first,
    // blanks last, so that no blank takes a letter a real tile was meant for.
    std::string texte;
    // As the history keeps it: the longer word through the first tile, the
    // column's when strictly longer, else the row's.
    std::string mot;
    int sens = sensHorizontal;
};

// Every legal move of the rack ("a".."z", "?" a blank; any other character is
// an empty slot): two or more tiles in one line with no gap, or one tile, that
// join the committed tiles (or cover the centre square on an empty board), and
// whose every word of two letters or more is in the trie. A lone tile is one
// move, whichever way its words run. A blank plays any letter, but never one the
// rack still holds as a real tile after the move: the real tile there scores at
// least as much, and a move text could not tell the two apart.
// Ordered by points, highest first, then by their tiles in board order.
std::vector<CoupGenere> GenererCoups(const PlateauFixe& plateau, std::string_view chevalet, const LexiconTrie& trie);

// The first move of that order (the best points), or null when there is none.
const CoupGenere* meilleurCoup(const std::vector<CoupGenere>& coups);

}  // namespace glyphane
