#pragma once
#include <array>
#include <cstdint>

#include "engine/chevalets.h"
#include "engine/hasard.h"
#include "engine/jetons.h"

namespace glyphane {

using JetonsJoues = std::array<std::uint8_t, nbJetons + 1>;

// The bag keeps no list of its own: a tile is in it while it is in no rack and
// not played. What it keeps is which tiles are played, which is for good, and
// the count its label shows, between 0 and 102: each tile drawn takes one off,
// except in an exchange, where as many tiles went back as come out.
class Sac {
public:
    std::int32_t jetonsDansSac() const { return restants; }
    // Indexed by tile 1..102, 1 once the tile is committed to the board. Entry 0
    // stands for no tile, which is never in the bag.
    const JetonsJoues& jetonJoue() const { return joues; }
    // With the racks as they stand.
    bool contient(const Chevalet& chevalet, int jeton) const;

    // A tile of the bag at random, counted out; 0, and nothing is drawn, when
    // the count is spent or no tile is left.
    int tirer(Hasard& hasard, const Chevalet& chevalet);
    // A tile of the bag at random other than those the exchange gave back
    // (`rendus`, the rack as the exchange left it), so that none comes straight
    // back; the count does not change. 0 when no such tile is left.
    int tirerEnEchange(Hasard& hasard, const Chevalet& chevalet, const Casiers& rendus) const;
    // The tile is committed to the board. False, and nothing changes, when it is
    // played already or is no tile.
    bool marquerJoue(int jeton);
    // A saved game's bag: its count, kept within 0..102, and its played tiles.
    void restaurer(std::int32_t jetonsDansSac, const JetonsJoues& jouesLus);

private:
    int auHasard(Hasard& hasard, const Chevalet& chevalet, const Casiers& exclus) const;

    std::int32_t restants = nbJetons;
    JetonsJoues joues = [] {
        JetonsJoues j{};
        j[0] = 1;
        return j;
    }();
};

}  // namespace glyphane
