#pragma once
#include <array>
#include <cstdint>

#include "engine/jetons.h"

namespace glyphane {

// [x][y]: column x, row y, 1..15; 0 = no tile.
using Grille = std::array<std::array<std::uint8_t, tailleGrille + 1>, tailleGrille + 1>;
using LettresDesJetons = std::array<char, nbJetons + 1>;
using GrilleMarques = std::array<std::array<bool, tailleGrille + 1>, tailleGrille + 1>;

// The board and the letters the tiles carry. A tile stands on one square at most,
// a committed tile stays where it was committed, and only a blank takes a letter:
// the operations below keep that, so every reader may count on it.
class Plateau {
public:
    // grilleJeu holds this turn's tentative tiles over the committed ones;
    // grilleFixe the committed tiles only.
    const Grille& grilleJeu() const { return jeu; }
    const Grille& grilleFixe() const { return fixe; }
    // Indexed by tile 1..102. The blanks' entries change as letters are chosen;
    // the others never do.
    const LettresDesJetons& LettreJeton() const { return lettres; }
    // How many tiles are committed.
    std::int32_t jetonsSurPlateau() const { return fixes; }

    // Lays a tile for this turn on square (x, y), taking it off any square it
    // stood on. False, and nothing moves, when the square is off the board or
    // holds another tile, or when the tile is committed.
    bool poser(int jeton, int x, int y);
    // Takes a tentative tile off the board; a committed one stays.
    void retirer(int jeton);
    // Every tentative tile off the board.
    void retirerPoses();
    // Commits the tentative tile of square (x, y); returns it, or 0 when the
    // square holds no tentative tile.
    int fixer(int x, int y);
    // Gives blank 27 or 47 the letter code ('a'..'z'); any other code leaves it
    // without a letter ('?'). Other tiles are left alone.
    void donnerLettreJoker(int jeton, char code);

private:
    Grille jeu{};
    Grille fixe{};
    std::int32_t fixes = 0;
    LettresDesJetons lettres = [] {
        LettresDesJetons l{};
        for (int t = 1; t <= nbJetons; ++t) l[static_cast<std::size_t>(t)] = lettreInitiale(t);
        return l;
    }();
};

}  // namespace glyphane
