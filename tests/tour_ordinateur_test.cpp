#include "ai/tour_ordinateur.h"

#include <gtest/gtest.h>

#include <new>
#include <thread>

#include "ai/echange_ordinateur.h"
#include "tests/recherche_de_test.h"

namespace glyphane {
namespace {

class Ordinateur : public ::testing::Test {
protected:
    test::RechercheDeTest t;
    Partie& partie = t.partie;
    std::vector<std::string> relais;  // the letters on the board at each hand-over
    RelaisTourSuivant tourSuivant = [this](Jeu&) { relais.push_back(t.lettresPosees()); };

    Ordinateur() { partie.sieges.confierALOrdinateur(1, true); }

    void niveau(int numero) {
        partie.fenetre.modifier([numero](EtatControles& e) { e.niveau = numero; });
    }
    // A list as a search would leave it, on the empty board.
    void lister(const std::vector<std::string>& coups, const std::vector<std::int32_t>& points) {
        t.modele.Candidats.clear();
        for (std::size_t i = 0; i < coups.size(); ++i) t.modele.Candidats.push_back({coups[i], points[i], {}});
    }
    static int jetonsRendus(const Partie& p, const std::array<int, tailleChevalet + 1>& tuiles) {
        int rendus = 0;
        for (const int jeton : tuiles) {
            if (jeton == 0 || p.chevalet.caseDuJeton()[1][jeton] != 0) continue;
            EXPECT_FALSE(p.ecran.images[jeton].visible);
            EXPECT_EQ(p.ecran.images[jeton].left, -100);
            ++rendus;
        }
        return rendus;
    }
};

TEST_F(Ordinateur, EachLevelPlaysItsChoiceAndHandsTheTurnOver) {
    t.semerPremierCoup();
    t.auChevalet(1, "tea");
    TourOrdinateurRelaye(t.jeu, t.modele, tourSuivant);
    EXPECT_EQ(relais, (std::vector<std::string>{"eta"}));  // 6 points, the first of the two
    EXPECT_EQ(partie.pointsDuCoup, 6);
    EXPECT_EQ(partie.drapeaux.ordiOccupe.load(), 0);

    niveau(1);  // 6 / 1.5: the two-letter moves
    TourOrdinateurRelaye(t.jeu, t.modele, tourSuivant);
    EXPECT_EQ(relais.back(), "et");
    t.compterAuSac(5);
    TourOrdinateurRelaye(t.jeu, t.modele, tourSuivant);
    EXPECT_EQ(relais.back(), "eta");
}

TEST_F(Ordinateur, NothingToPlayExchangesFourTilesAndTheQOrPasses) {
    const auto tuiles = t.auChevalet(1, "qbcdfgh");
    TourOrdinateurRelaye(t.jeu, t.modele, tourSuivant);
    EXPECT_EQ(relais.size(), 1u);
    EXPECT_EQ(partie.chevalet.caseDuJeton()[1][17], 0);
    const int rendus = jetonsRendus(partie, tuiles);
    EXPECT_TRUE(rendus == 4 || rendus == 5);
    EXPECT_EQ(partie.finDeTourSansPoints, 1);
    EXPECT_EQ(partie.deroulement.passe()[1], 0);

    test::RechercheDeTest autre;
    autre.partie.sieges.confierALOrdinateur(1, true);
    autre.compterAuSac(7);
    const auto gardes = autre.auChevalet(1, "qbcdfgh");
    TourOrdinateurRelaye(autre.jeu, autre.modele, [](Jeu&) {});
    EXPECT_EQ(autre.partie.deroulement.passe()[1], 1);
    EXPECT_EQ(autre.partie.finDeTourSansPoints, 1);
    EXPECT_EQ(jetonsRendus(autre.partie, gardes), 0);
}

TEST_F(Ordinateur, BlanksNeverGoBackInAnExchange) {
    const auto tuiles = t.auChevalet(1, "??abcde");
    for (const int jeton : tuiles) partie.ecran.images[jeton].visible = true;
    EchangerOrdi(t.jeu);
    EXPECT_NE(partie.chevalet.caseDuJeton()[1][tuiles[1]], 0);
    EXPECT_NE(partie.chevalet.caseDuJeton()[1][tuiles[2]], 0);
    const int rendus = jetonsRendus(partie, tuiles);
    EXPECT_TRUE(rendus >= 2 && rendus <= 4);
}

TEST_F(Ordinateur, AMoveFormingAnUnknownWordIsWithdrawnAndTheNextTried) {
    t.connaitre({"eta", "tea"});
    t.auChevalet(1, "tea");
    lister({"ae;GHHH", "eta;FHGHHH"}, {9, 6});
    EXPECT_EQ(JouerLesCandidats(t.jeu, t.modele, 9), IssueCandidats::coupPose);
    EXPECT_EQ(t.lettresPosees(), "eta");
    EXPECT_EQ(partie.motsConnus, 1);
}

TEST_F(Ordinateur, TenFailuresOrNothingLeftToTryGiveTheTurnUp) {
    t.connaitre({"eta"});
    t.auChevalet(1, "tea");
    lister(std::vector<std::string>(10, "ae;GHHH"), std::vector<std::int32_t>(10, 9));
    t.modele.Candidats.push_back({"eta;FHGHHH", 6, {}});
    EXPECT_EQ(JouerLesCandidats(t.jeu, t.modele, 9), IssueCandidats::abandon);
    EXPECT_EQ(t.lettresPosees(), "");
    EXPECT_EQ(partie.finDeTourSansPoints, 1);

    EXPECT_EQ(partie.deroulement.passe()[1], 0);  // tiles are left in the bag: no pass

    lister({"ae;GHHH", "ta;AABB", ""}, {9, 8, 7});  // unknown word, badly placed, no text
    partie.finDeTourSansPoints = 0;
    t.compterAuSac(0);
    EXPECT_EQ(JouerLesCandidats(t.jeu, t.modele, 9), IssueCandidats::abandon);
    EXPECT_EQ(partie.finDeTourSansPoints, 1);
    EXPECT_EQ(partie.deroulement.passe()[1], 1);  // with the bag empty, giving up counts as a pass
}

TEST_F(Ordinateur, TheQIsPlayedWhateverTheLevel) {
    t.connaitre({"qi", "li"});
    t.auChevalet(1, "qil");
    lister({"li;GHHH", "qi;GHHH"}, {20, 18});
    EXPECT_EQ(JouerLesCandidats(t.jeu, t.modele, 20), IssueCandidats::coupPose);
    EXPECT_EQ(t.lettresPosees(), "qi");
}

TEST_F(Ordinateur, AStopOrAFinishedGameEndsTheTurnWithoutHandingOver) {
    t.semerPremierCoup();
    t.auChevalet(1, "tea");
    partie.drapeaux.arretDemande = 1;
    TourOrdinateurRelaye(t.jeu, t.modele, tourSuivant);
    partie.drapeaux.miseAJourEnCours = 1;
    TourOrdinateurRelaye(t.jeu, t.modele, tourSuivant);
    partie.drapeaux.arretDemande = 0;
    partie.drapeaux.miseAJourEnCours = 0;
    partie.deroulement.terminerPartie();
    TourOrdinateurRelaye(t.jeu, t.modele, tourSuivant);
    EXPECT_TRUE(relais.empty());
    EXPECT_EQ(partie.drapeaux.ordiOccupe.load(), 0);
}

// The turn controller has taken the move by then: the turn ends there, and says so.
TEST_F(Ordinateur, AHandOverThatRunsOutOfMemoryIsReportedAndFreesTheSeat) {
    t.semerPremierCoup();
    t.auChevalet(1, "tea");
    TourOrdinateurRelaye(t.jeu, t.modele, [](Jeu&) { throw std::bad_alloc(); });
    EXPECT_EQ(partie.drapeaux.ordiOccupe.load(), 0);
    ASSERT_EQ(t.vue.pannes.size(), 1u);
    EXPECT_NE(t.vue.pannes[0].find("bad_alloc"), std::string::npos) << t.vue.pannes[0];
}

// The update hands the lists over through miseAJourEnCours; the sanitizer run
// checks that nothing else is needed.
TEST_F(Ordinateur, TheTurnWaitsForTheUpdateOnItsOwnThread) {
    t.auChevalet(1, "tea");
    partie.drapeaux.miseAJourEnCours = 1;
    std::thread ordinateur([this] { TourOrdinateurRelaye(t.jeu, t.modele, tourSuivant); });
    t.semerPremierCoup();
    partie.drapeaux.miseAJourEnCours.store(0, std::memory_order_release);
    ordinateur.join();
    EXPECT_EQ(relais, (std::vector<std::string>{"eta"}));
}

}  // namespace
}  // namespace glyphane
