#pragma once
#include <array>
#include <cstdint>

// The 102 tiles of the French set and the premium squares. A tile's identity is
// its number: saved games and the computer player refer to tiles by number, so the
// order below never changes.
namespace glyphane {

inline constexpr int nbJetons = 102;
inline constexpr int jokerA = 27;
inline constexpr int jokerB = 47;
inline constexpr int tailleGrille = 15;
inline constexpr int tailleChevalet = 7;
// The points a move earns on top of its words when it lays the whole rack.
inline constexpr int bonusSeptJetons = 50;
inline constexpr int nbSiegesMax = 4;
inline constexpr char lettreInconnue = '?';

constexpr bool estJoker(int jeton) { return jeton == jokerA || jeton == jokerB; }

namespace detail {
inline constexpr char lettresDesJetons[] =
    "abcdefghijklmnopqrstuvwxyz"  // 1..26
    "?"                           // 27
    "abcdefghilmnoprstuv"         // 28..46
    "?"                           // 47
    "adeilmnorstu"                // 48..59
    "aeilnorstu"                  // 60..69
    "aeilnorstu"                  // 70..79
    "aeinorstu"                   // 80..88
    "aei"                         // 89..91
    "aei"                         // 92..94
    "ae"                          // 95..96
    "eeeeee";                     // 97..102
static_assert(sizeof(lettresDesJetons) == nbJetons + 1);

constexpr std::uint8_t valeurLettre(char l) {
    switch (l) {
        case 'd': case 'g': case 'm': return 2;
        case 'b': case 'c': case 'p': return 3;
        case 'f': case 'h': case 'v': return 4;
        case 'j': case 'q': return 8;
        case 'k': case 'w': case 'x': case 'y': case 'z': return 10;
        case '?': return 0;
        default: return 1;
    }
}
}  // namespace detail

// The letter each tile is printed with; the blanks start with no letter.
constexpr char lettreInitiale(int jeton) {
    return jeton >= 1 && jeton <= nbJetons ? detail::lettresDesJetons[jeton - 1] : '\0';
}

inline constexpr std::array<std::uint8_t, nbJetons + 1> ValeurJeton = [] {
    std::array<std::uint8_t, nbJetons + 1> v{};
    for (int t = 1; t <= nbJetons; ++t) v[t] = detail::valeurLettre(lettreInitiale(t));
    return v;
}();

// Values capped at 9, so that each fits one digit of the computer player's
// pattern rows. Never used for scoring.
inline constexpr std::array<std::uint8_t, nbJetons + 1> ChiffreJeton = [] {
    std::array<std::uint8_t, nbJetons + 1> v{};
    for (int t = 1; t <= nbJetons; ++t) v[t] = ValeurJeton[t] > 9 ? 9 : ValeurJeton[t];
    return v;
}();

using GrilleMult = std::array<std::array<std::uint8_t, tailleGrille + 1>, tailleGrille + 1>;

namespace detail {
// Row A first, as the board is drawn: T/D word, t/d letter.
inline constexpr const char* dispositionPrimes[tailleGrille] = {
    "T..d...T...d..T", ".D...t...t...D.", "..D...d.d...D..", "d..D...d...D..d",
    "....D.....D....", ".t...t...t...t.", "..d...d.d...d..", "T..d...D...d..T",
    "..d...d.d...d..", ".t...t...t...t.", "....D.....D....", "d..D...d...D..d",
    "..D...d.d...D..", ".D...t...t...D.", "T..d...T...d..T"};

constexpr GrilleMult grillePrimes(char double_, char triple) {
    GrilleMult g{};
    for (int y = 1; y <= tailleGrille; ++y) {
        for (int x = 1; x <= tailleGrille; ++x) {
            const char c = dispositionPrimes[y - 1][x - 1];
            g[x][y] = c == triple ? 3 : c == double_ ? 2 : 1;
        }
    }
    return g;
}
}  // namespace detail

// Indexed [x][y]: column x, row y, 1..15.
inline constexpr GrilleMult MultLettre = detail::grillePrimes('d', 't');
inline constexpr GrilleMult MultMot = detail::grillePrimes('D', 'T');

}  // namespace glyphane
