#include "engine/plateau.h"

#include <gtest/gtest.h>

namespace glyphane {
namespace {

int occurrences(const Grille& grille, int jeton) {
    int n = 0;
    for (int x = 1; x <= tailleGrille; ++x) {
        for (int y = 1; y <= tailleGrille; ++y) n += grille[x][y] == jeton ? 1 : 0;
    }
    return n;
}

TEST(Plateau, ATileStandsOnOneSquareAndACommittedOneStaysPut) {
    Plateau plateau;
    ASSERT_TRUE(plateau.poser(5, 8, 8));
    ASSERT_TRUE(plateau.poser(5, 9, 8));
    EXPECT_EQ(occurrences(plateau.grilleJeu(), 5), 1);
    EXPECT_EQ(plateau.fixer(9, 8), 5);
    EXPECT_EQ(plateau.fixer(9, 8), 0);  // committed once, not twice
    EXPECT_EQ(plateau.jetonsSurPlateau(), 1);

    EXPECT_FALSE(plateau.poser(5, 1, 1));  // a committed tile does not move
    EXPECT_FALSE(plateau.poser(6, 9, 8));  // nor is it covered
    ASSERT_TRUE(plateau.poser(6, 10, 8));
    EXPECT_FALSE(plateau.poser(7, 10, 8));
    EXPECT_FALSE(plateau.poser(7, 16, 1));
    EXPECT_FALSE(plateau.poser(103, 1, 1));

    plateau.retirer(5);
    plateau.retirer(6);
    EXPECT_EQ(plateau.grilleJeu()[9][8], 5);
    EXPECT_EQ(plateau.grilleJeu()[10][8], 0);
    EXPECT_EQ(plateau.grilleJeu(), plateau.grilleFixe());
}

TEST(Plateau, OnlyABlankTakesALetter) {
    Plateau plateau;
    plateau.donnerLettreJoker(1, 'z');
    EXPECT_EQ(plateau.LettreJeton()[1], 'a');
    plateau.donnerLettreJoker(jokerB, 'k');
    EXPECT_EQ(plateau.LettreJeton()[jokerB], 'k');
    plateau.donnerLettreJoker(jokerB, 'K');
    EXPECT_EQ(plateau.LettreJeton()[jokerB], lettreInconnue);
}

}  // namespace
}  // namespace glyphane
