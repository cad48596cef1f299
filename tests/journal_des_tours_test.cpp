#include "ai/journal_des_tours.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <mutex>
#include <string>
#include <vector>

#include "ai/joueur_ordinateur.h"
#include "tests/mise_a_jour_de_test.h"
#include "tests/recherche_de_test.h"

namespace glyphane {
namespace {

// A computer seat 1 in a game past its deal, on its first turn.
class TourObserve : public ::testing::Test {
protected:
    test::RechercheDeTest t;
    Partie& partie = t.partie;
    JournalDesTours journal;

    TourObserve() {
        partie.sieges.confierALOrdinateur(1, true);
        partie.deroulement.ouvrirTour();
    }

    std::string ligneDuSeulTour() {
        const std::vector<TourJoue> tours = journal.prendreTours();
        EXPECT_EQ(tours.size(), 1u);
        return tours.empty() ? std::string() : ligneDuTour(tours.front());
    }
};

TEST_F(TourObserve, AMoveIsWrittenOnceCommittedWithItsWordAndPoints) {
    t.semerPremierCoup();
    t.auChevalet(1, "tea");
    journal.jouerTour(t.jeu, t.modele);
    EXPECT_EQ(ligneDuSeulTour(), "coup 1 1 tea.... eta;FHGHHH eta 6");
    EXPECT_TRUE(journal.prendreTours().empty());
    EXPECT_EQ(journal.dureesRecherche().size(), 1u);
}

TEST_F(TourObserve, AnExchangeGivesTheLettersBackAndNothingToPlayPasses) {
    t.auChevalet(1, "qbcdfgh");
    journal.jouerTour(t.jeu, t.modele);
    const std::string echange = ligneDuSeulTour();
    EXPECT_EQ(echange.rfind("echange 1 1 qbcdfgh q", 0), 0u) << echange;
    EXPECT_TRUE(echange.size() == 24 || echange.size() == 25) << echange;  // four slots, the q among them or not

    test::RechercheDeTest autre;
    autre.partie.sieges.confierALOrdinateur(1, true);
    autre.partie.deroulement.ouvrirTour();
    autre.compterAuSac(7);
    autre.auChevalet(1, "qbcdfgh");
    journal.jouerTour(autre.jeu, autre.modele);
    EXPECT_EQ(ligneDuSeulTour(), "passe 1 1 qbcdfgh");
}

// A computer move the turn controller withdraws (here, off the centre of the
// empty board) costs the turn: it is a pass, not a move.
TEST_F(TourObserve, AMoveTheTurnControllerWithdrawsIsAPass) {
    t.connaitre({"et", "te"});
    t.fichier(2, {"et", "te"});
    t.possibilite("??", 2, {{1, 1}, {2, 1}});
    t.auChevalet(1, "te");
    journal.jouerTour(t.jeu, t.modele);
    EXPECT_EQ(ligneDuSeulTour(), "passe 1 1 te.....");
    EXPECT_EQ(partie.plateau.jetonsSurPlateau(), 0);
}

TEST(TexteDesJetonsPoses, ListsThisTurnsTilesInBoardOrderWithABlanksLetterInCapitals) {
    test::JeuDeTest t;
    EXPECT_EQ(texteDesJetonsPoses(t.partie), "");
    t.poserFixe("le", 8, 8);
    EXPECT_EQ(texteDesJetonsPoses(t.partie), "");
    t.poserNouveau("?sa", 7, 9);
    EXPECT_EQ(texteDesJetonsPoses(t.partie), "Sa;GIHI");
}

// On the computer's own thread, with the update running after the move: the
// turn is written down, and the update and the search are both timed.
TEST(JournalDesTours, ATurnOnTheComputersThreadIsWrittenDownAndTimed) {
    test::MiseAJourDeTest t;
    JournalDesTours journal;
    std::mutex verrou;
    std::vector<std::chrono::steady_clock::duration> misesAJour;
    JoueurOrdinateur joueur(
        t.jeu, [&journal](Jeu& jeu, ModeleOrdinateur& modele) { journal.jouerTour(jeu, modele); },
        [&](std::chrono::steady_clock::duration duree) {
            std::lock_guard garde(verrou);
            misesAJour.push_back(duree);
        });
    joueur.reinitialiser(true);
    t.partie.deroulement.ouvrirTour();
    t.partie.sieges.confierALOrdinateur(1, true);
    const std::string lettres = "salete";
    for (int j = 1; j <= static_cast<int>(lettres.size()); ++j) {
        int jeton = 1;
        while (lettreInitiale(jeton) != lettres[static_cast<std::size_t>(j - 1)] ||
               t.partie.chevalet.caseDuJeton()[1][static_cast<std::size_t>(jeton)] != 0) {
            ++jeton;
        }
        t.partie.chevalet.ranger(1, jeton, j);
    }

    joueur.demarrerTourOrdinateur();
    joueur.attendreInactivite();

    const std::vector<TourJoue> tours = journal.prendreTours();
    ASSERT_EQ(tours.size(), 1u);
    EXPECT_EQ(tours[0].nature, NatureDuTour::coup);
    EXPECT_EQ(tours[0].chevalet, "salete.");
    EXPECT_NE(std::find(test::motsDeTest.begin(), test::motsDeTest.end(), tours[0].mot), test::motsDeTest.end());
    EXPECT_EQ(t.partie.deroulement.score()[1], tours[0].points);
    EXPECT_EQ(misesAJour.size(), 1u);
    EXPECT_EQ(journal.dureesRecherche().size(), 1u);
}

}  // namespace
}  // namespace glyphane
