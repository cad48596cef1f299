#include "engine/jetons.h"

#include <gtest/gtest.h>

#include <map>

namespace glyphane {
namespace {

TEST(Jetons, TheFrenchSetAndItsPremiumSquares) {
    std::map<char, int> nombre;
    int valeurs = 0;
    for (int t = 1; t <= nbJetons; ++t) {
        ++nombre[lettreInitiale(t)];
        valeurs += ValeurJeton[t];
    }
    EXPECT_EQ(nombre, (std::map<char, int>{
        {'a', 9}, {'b', 2}, {'c', 2}, {'d', 3}, {'e', 15}, {'f', 2}, {'g', 2}, {'h', 2}, {'i', 8},
        {'j', 1}, {'k', 1}, {'l', 5}, {'m', 3}, {'n', 6}, {'o', 6}, {'p', 2}, {'q', 1}, {'r', 6},
        {'s', 6}, {'t', 6}, {'u', 6}, {'v', 2}, {'w', 1}, {'x', 1}, {'y', 1}, {'z', 1}, {'?', 2}}));
    EXPECT_TRUE(estJoker(27) && estJoker(47));
    EXPECT_EQ(valeurs, 197);

    std::map<int, int> primes;  // word x 10 + letter multiplier
    for (int x = 1; x <= tailleGrille; ++x) {
        for (int y = 1; y <= tailleGrille; ++y) ++primes[MultMot[x][y] * 10 + MultLettre[x][y]];
    }
    EXPECT_EQ(primes, (std::map<int, int>{{11, 164}, {31, 8}, {21, 17}, {13, 12}, {12, 24}}));
    EXPECT_EQ(MultMot[8][8], 2);
    EXPECT_EQ(MultLettre[2][6], 3);  // row F, column 2
    EXPECT_EQ(MultLettre[4][1], 2);  // row A, column 4
}

}  // namespace
}  // namespace glyphane
