#include "engine/score.h"

#include <gtest/gtest.h>

#include "engine/evaluation.h"
#include "tests/jeu_de_test.h"

// Squares are (column, row), rows A..O = 1..15: the centre is (8, 8).
namespace glyphane {
namespace {

TEST(AjustementFinal, TheFinisherGainsWhatTheOthersLose) {
    test::JeuDeTest t;
    Partie& partie = t.partie;
    partie.sieges.fixerNombreJoueurs(3);
    partie.deroulement.ajouterPoints(1, 100);
    partie.deroulement.ajouterPoints(2, 50);
    partie.deroulement.ajouterPoints(3, 40);
    t.auChevalet(2, "b");         // 3
    t.auChevalet(3, "dc");        // 2 + 3
    t.auChevalet(1, "z");         // the finisher's own rack does not count
    const int k = t.jeton('k');
    partie.chevalet.ranger(3, k, 3);
    partie.chevalet.rendre(3, k);
    partie.sac.marquerJoue(k);  // played: skipped
    AjustementFinal(partie);
    EXPECT_EQ(partie.deroulement.score(), (std::array<std::int32_t, 5>{0, 108, 47, 35, 0}));
}

TEST(EnregistrerCoup, KeepsTheLongerWordThroughTheFirstTileAndTheRowOnATie) {
    test::JeuDeTest t;
    Partie& partie = t.partie;
    partie.sieges.nommer(1, "Josephine");
    t.poserFixe("a", 6, 7);
    t.poserFixe("o", 7, 6);
    t.poserNouveau("z", 7, 7);
    EvaluerCoup(partie);
    Coup coup;
    EnregistrerCoup(partie, coup);
    EXPECT_EQ(coup.mot, "az");
    EXPECT_EQ(coup.sens, "2");
    EXPECT_EQ(coup.points, "42");
    EXPECT_EQ(coup.joueur, "Josephin");

    test::JeuDeTest colonne;
    colonne.poserFixe("a", 7, 9);
    colonne.poserNouveau("on", 8, 8, false);
    EvaluerCoup(colonne.partie);
    colonne.partie.pointsDuCoup = 1234;
    EnregistrerCoup(colonne.partie, coup);
    EXPECT_EQ(coup.mot, "on");
    EXPECT_EQ(coup.sens, "1");
    EXPECT_EQ(coup.points, "123");

    AjouterPointsDuCoup(colonne.partie);
    AjouterPointsDuCoup(colonne.partie);
    EXPECT_EQ(colonne.partie.deroulement.score()[1], 2468);
}

}  // namespace
}  // namespace glyphane
