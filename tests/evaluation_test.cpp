#include "engine/evaluation.h"

#include <gtest/gtest.h>

#include "tests/jeu_de_test.h"

// Squares are (column, row), rows A..O = 1..15: the centre is (8, 8).
namespace glyphane {
namespace {

constexpr bool verticalement = false;

class Evaluer : public ::testing::Test {
protected:
    test::JeuDeTest t;
    Partie& partie = t.partie;

    std::string etiquette() { return partie.fenetre.copie().epointsdutour; }
};

TEST_F(Evaluer, FirstMoveOnTheCentreDoublesTheWord) {
    t.poserNouveau("le", 7, 8);
    EXPECT_TRUE(EvaluerCoup(partie));
    EXPECT_EQ(partie.pointsDuCoup, 4);  // (1 + 1) x 2
    EXPECT_EQ(etiquette(), "4");
    EXPECT_EQ(partie.evaluation.motH[1], "le");
    EXPECT_EQ(partie.evaluation.aMotV[1] + partie.evaluation.aMotV[2], 0);
}

TEST_F(Evaluer, WordPremiumsAddUpAndCountUnderNewTilesOnly) {
    // Row A from triple to triple; the double letter at column 4 is committed.
    t.poserFixe("arlera", 2, 1);
    t.poserNouveau("p", 1, 1);
    t.poserNouveau("i", 8, 1);
    EXPECT_TRUE(EvaluerCoup(partie));
    EXPECT_EQ(partie.evaluation.motH[1], "parlerai");
    EXPECT_EQ(partie.pointsDuCoup, 10 * 6);
}

TEST_F(Evaluer, TripleAndCentreMakeFiveTimesAndSevenTilesAddFifty) {
    // Row H from the triple at column 1 to the centre, the v on a double letter.
    t.poserFixe("a", 5, 8);
    t.poserNouveau("trav", 1, 8);
    t.poserNouveau("ils", 6, 8);
    EXPECT_TRUE(EvaluerCoup(partie));
    EXPECT_EQ(partie.evaluation.motH[1], "travails");
    EXPECT_EQ(partie.pointsDuCoup, (1 + 1 + 1 + 4 * 2 + 1 + 1 + 1 + 1) * 5 + 50);
}

TEST_F(Evaluer, OneTileScoresBothItsWordsWithItsLetterPremium) {
    t.poserFixe("a", 6, 7);
    t.poserFixe("o", 7, 6);
    t.poserNouveau("z", 7, 7);  // double letter
    EXPECT_TRUE(EvaluerCoup(partie));
    const auto& e = partie.evaluation;
    EXPECT_EQ(e.motV[1], "oz");
    EXPECT_EQ(e.motH[1], "az");
    EXPECT_EQ(e.pointsV[1], 21);
    EXPECT_EQ(partie.pointsDuCoup, 42);
}

TEST_F(Evaluer, BlanksAreWorthNothingButKeepTheWordPremium) {
    t.poserNouveau("?ax", 8, 8);
    EXPECT_TRUE(EvaluerCoup(partie));
    EXPECT_EQ(partie.evaluation.motH[1], "ax");
    EXPECT_EQ(partie.pointsDuCoup, (0 + 10) * 2);

    test::JeuDeTest autre;
    autre.poserFixe("a", 6, 7);
    autre.poserFixe("o", 7, 6);
    autre.poserNouveau("?z", 7, 7);
    EXPECT_TRUE(EvaluerCoup(autre.partie));
    EXPECT_EQ(autre.partie.pointsDuCoup, 2);
}

TEST_F(Evaluer, ExtendingAWordScoresEveryLetterAtFaceValue) {
    t.poserFixe("amer", 5, 5);  // the a lies on a double word, committed
    t.poserNouveau("s", 9, 5);
    EXPECT_TRUE(EvaluerCoup(partie));
    EXPECT_EQ(partie.evaluation.motH[1], "amers");
    EXPECT_EQ(partie.pointsDuCoup, 6);
}

TEST_F(Evaluer, MainWordIsCountedOnceAndEachTileAddsItsCrossWord) {
    t.poserFixe("a", 7, 9);
    t.poserNouveau("on", 8, 8, verticalement);
    EXPECT_TRUE(EvaluerCoup(partie));
    const auto& e = partie.evaluation;
    EXPECT_EQ(e.motV[1], "on");
    EXPECT_EQ(e.aMotH[1] + e.aMotV[2], 0);
    EXPECT_EQ(e.motH[2], "an");
    EXPECT_EQ(e.debutH[2], 7);
    EXPECT_EQ(partie.pointsDuCoup, (1 + 1) * 2 + 2);
}

TEST_F(Evaluer, LinesGapsAndDiagonals) {
    t.poserNouveau("e", 8, 8);
    EXPECT_FALSE(EvaluerCoup(partie));  // one tile on an empty board
    EXPECT_EQ(partie.placementInvalide, 1);
    EXPECT_EQ(partie.pointsDuCoup, 0);
    EXPECT_EQ(etiquette(), "0");

    t.poserNouveau("t", 10, 8);
    EXPECT_FALSE(EvaluerCoup(partie));  // a gap at column 9
    t.poserFixe("s", 9, 8);
    EXPECT_TRUE(EvaluerCoup(partie));
    EXPECT_EQ(partie.evaluation.motH[1], "est");

    test::JeuDeTest diagonale;
    diagonale.poserNouveau("a", 8, 8);
    diagonale.poserNouveau("s", 9, 9);
    EXPECT_FALSE(EvaluerCoup(diagonale.partie));
}

TEST_F(Evaluer, AMoveMustJoinTheTilesAlreadyPlayed) {
    t.poserFixe("mer", 7, 8);
    t.poserNouveau("os", 2, 2);
    EXPECT_FALSE(EvaluerCoup(partie));
    EXPECT_EQ(partie.placementInvalide, 1);

    test::JeuDeTest touche;
    touche.poserFixe("mer", 7, 8);
    touche.poserNouveau("os", 9, 9);  // the o lies under the r
    EXPECT_TRUE(EvaluerCoup(touche.partie));
}

TEST_F(Evaluer, NoJudgementLeavesNoStaleWords) {
    t.poserNouveau("le", 7, 8);
    ASSERT_TRUE(EvaluerCoup(partie));
    partie.drapeaux.miseAJourEnCours = 1;
    EXPECT_FALSE(EvaluerCoup(partie));
    EXPECT_EQ(partie.evaluation.motPrincipalH, 0);

    partie.drapeaux.miseAJourEnCours = 0;
    partie.plateau.retirerPoses();
    partie.placementInvalide = 1;
    EXPECT_FALSE(EvaluerCoup(partie));  // nothing put down: nothing left to condemn
    EXPECT_EQ(partie.placementInvalide, 0);

    test::JeuDeTest finie;
    finie.poserNouveau("le", 7, 8);
    ASSERT_TRUE(EvaluerCoup(finie.partie));
    finie.partie.deroulement.terminerPartie();
    EXPECT_FALSE(EvaluerCoup(finie.partie));
    EXPECT_EQ(finie.partie.pointsDuCoup, 0);
    EXPECT_EQ(finie.partie.evaluation.motH[1], "");
    EXPECT_EQ(finie.partie.evaluation.aMotH[1], 0);
}

}  // namespace
}  // namespace glyphane
