#include "engine/chevalet.h"

#include <gtest/gtest.h>

#include "tests/jeu_de_test.h"

// Squares are (column, row), rows A..O = 1..15: the centre is (8, 8).
namespace glyphane {
namespace {

TEST(RemettreAuChevalet, ABlankComesBackToItsSlotWithoutItsLetterInEitherLayout) {
    test::JeuDeTest t;
    Partie& partie = t.partie;
    const auto casiers = t.auChevalet(1, "ab?");
    const int joker = casiers[3];
    partie.plateau.donnerLettreJoker(joker, 's');
    partie.plateau.poser(joker, 8, 8);
    partie.jetonSelectionne = static_cast<std::uint8_t>(joker);
    RemettreAuChevalet(partie, true);
    EXPECT_EQ(partie.plateau.LettreJeton()[joker], '?');
    EXPECT_EQ(partie.plateau.grilleJeu()[8][8], 0);
    EXPECT_EQ(partie.ecran.images[joker].left, 3 * 64 - 10);
    EXPECT_EQ(partie.ecran.images[joker].top, 524);
    EXPECT_TRUE(partie.ecran.images[joker].visible);
    EXPECT_EQ(partie.jetonSelectionne, 0);

    partie.ecran.geometrie.mode = 640;
    partie.jetonSelectionne = static_cast<std::uint8_t>(casiers[2]);
    RemettreAuChevalet(partie, false);
    EXPECT_EQ(partie.ecran.images[casiers[2]].left, 2 * 50 - 10);
    EXPECT_EQ(partie.ecran.images[casiers[2]].top, 420);
    EXPECT_FALSE(partie.ecran.images[casiers[2]].visible);
}

TEST(RemettreAuChevalet, CommittedTilesAndOtherRacksTilesStayPut) {
    test::JeuDeTest t;
    Partie& partie = t.partie;
    t.poserFixe("a", 8, 8);
    partie.jetonSelectionne = partie.plateau.grilleFixe()[8][8];
    RemettreAuChevalet(partie, true);
    EXPECT_NE(partie.plateau.grilleJeu()[8][8], 0);

    const int etranger = t.auChevalet(2, "z")[1];
    partie.plateau.poser(etranger, 5, 5);
    partie.jetonSelectionne = static_cast<std::uint8_t>(etranger);
    RemettreAuChevalet(partie, true);
    EXPECT_EQ(partie.plateau.grilleJeu()[5][5], etranger);
    EXPECT_EQ(partie.jetonSelectionne, etranger);
}

TEST(PoserTexteDeCoup, LaysRackLettersAndABlankForAMissingOne) {
    test::JeuDeTest t;
    Partie& partie = t.partie;
    const auto casiers = t.auChevalet(1, "xab");
    ASSERT_TRUE(PoserTexteDeCoup(partie, "ab;HHHI"));
    EXPECT_EQ(partie.plateau.grilleJeu()[8][8], casiers[2]);
    EXPECT_EQ(partie.plateau.grilleJeu()[8][9], casiers[3]);
    EXPECT_EQ(partie.ecran.images[casiers[3]].top, 30 + 31 * 8);
    EXPECT_TRUE(partie.ecran.grilleSuggestion[8][8] && partie.ecran.grilleSuggestion[8][9]);
    EXPECT_TRUE(partie.ecran.images[casiers[1]].visible);  // the x, back in its slot
    EXPECT_TRUE(partie.fenetre.copie().pointsDuTour.visible);

    test::JeuDeTest sansB;
    const auto autres = sansB.auChevalet(1, "a?");
    ASSERT_TRUE(PoserTexteDeCoup(sansB.partie, "ab;HHHI"));
    EXPECT_EQ(sansB.partie.plateau.grilleJeu()[8][9], autres[2]);
    EXPECT_EQ(sansB.partie.plateau.LettreJeton()[autres[2]], 'b');
}

TEST(PoserTexteDeCoup, TakesEachSlotOnceInRackOrderAndTheBlankLast) {
    test::JeuDeTest t;
    Partie& partie = t.partie;
    const auto casiers = t.auChevalet(1, "e?e");
    ASSERT_TRUE(PoserTexteDeCoup(partie, "eee;HHIHJH"));
    EXPECT_EQ(partie.plateau.grilleJeu()[8][8], casiers[1]);
    EXPECT_EQ(partie.plateau.grilleJeu()[9][8], casiers[3]);
    EXPECT_EQ(partie.plateau.grilleJeu()[10][8], casiers[2]);
    EXPECT_EQ(partie.plateau.LettreJeton()[casiers[2]], 'e');
}

TEST(PoserTexteDeCoup, PlacesNothingWhereTheTextCannotBeFollowed) {
    test::JeuDeTest t;
    Partie& partie = t.partie;
    const auto casiers = t.auChevalet(1, "abc");
    t.poserFixe("e", 8, 8);
    const Grille avant = partie.plateau.grilleJeu();
    EXPECT_FALSE(PoserTexteDeCoup(partie, "ab"));
    EXPECT_FALSE(PoserTexteDeCoup(partie, "ab;"));
    EXPECT_EQ(partie.plateau.grilleJeu(), avant);

    // z: not in the rack; a: a committed square; b: off the board; c: no square.
    ASSERT_TRUE(PoserTexteDeCoup(partie, "zabc;AAHHZA"));
    EXPECT_EQ(partie.plateau.grilleJeu(), avant);
    EXPECT_EQ(partie.ecran.images[casiers[1]].top, 524);
}

TEST(PoserTexteDeCoup, MovesATileAlreadyOutAndHidesTheComputersOtherTiles) {
    test::JeuDeTest t;
    Partie& partie = t.partie;
    partie.sieges.confierALOrdinateur(1, true);
    const auto casiers = t.auChevalet(1, "abc");
    partie.plateau.poser(casiers[1], 2, 2);
    partie.plateau.poser(casiers[2], 3, 3);
    ASSERT_TRUE(PoserTexteDeCoup(partie, "a;HH"));
    EXPECT_EQ(partie.plateau.grilleJeu()[8][8], casiers[1]);
    EXPECT_EQ(partie.plateau.grilleJeu()[2][2], 0);
    EXPECT_EQ(partie.plateau.grilleJeu()[3][3], 0);
    EXPECT_FALSE(partie.ecran.images[casiers[2]].visible);
    EXPECT_FALSE(partie.ecran.images[casiers[3]].visible);
    EXPECT_TRUE(partie.ecran.images[casiers[1]].visible);
}

}  // namespace
}  // namespace glyphane
