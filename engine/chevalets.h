#pragma once
#include <array>
#include <cstdint>

#include "engine/jetons.h"

namespace glyphane {

using Casiers = std::array<std::uint8_t, tailleChevalet + 1>;
using CasiersDesJetons = std::array<std::uint8_t, nbJetons + 1>;

// The seats' racks, seat 1..4, slot 1..7. A tile is in seat s's rack while
// caseDuJeton[s][tile] names its slot, and that slot then names the tile back; no
// tile is in two racks. A slot keeps naming a tile that went to the board or back
// to the bag until the slot is refilled, and stays occupied until it is freed:
// the turn relies on both to know what to draw and what an exchange gave back.
class Chevalet {
public:
    const std::array<Casiers, nbSiegesMax + 1>& caseChevalet() const { return chevalet; }
    const std::array<Casiers, nbSiegesMax + 1>& caseOccupee() const { return occupee; }
    const std::array<CasiersDesJetons, nbSiegesMax + 1>& caseDuJeton() const { return duJeton; }

    // Puts the tile in the seat's slot, which is then occupied; a tile the slot
    // held is out of the rack. False, and nothing changes, when the tile is in
    // another rack or another slot, or when a number is out of range.
    bool ranger(int siege, int jeton, int casier);
    // The tile leaves the rack for the board: its slot names no tile any more.
    void sortir(int siege, int jeton);
    // The tile goes back to the bag in an exchange: its slot still names it.
    void rendre(int siege, int jeton);
    // A slot whose tile has gone is free for the draw.
    void libererCasier(int siege, int casier);
    // The slot names no tile and is free; its tile, if any, is out of the rack.
    void viderCasier(int siege, int casier);
    // A seat's rack as a saved game gives it: the slot of each tile, and which
    // slots are occupied. Each tile is put as ranger() puts it, so that a file that
    // breaks the rules above cannot break them here.
    void restaurer(int siege, const CasiersDesJetons& casiers, const Casiers& occupees);

private:
    std::array<Casiers, nbSiegesMax + 1> chevalet{};
    std::array<Casiers, nbSiegesMax + 1> occupee{};
    std::array<CasiersDesJetons, nbSiegesMax + 1> duJeton{};
};

}  // namespace glyphane
