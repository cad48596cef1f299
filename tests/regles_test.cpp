#include "engine/regles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/chevalet.h"
#include "engine/evaluation.h"
#include "engine/messages.h"
#include "tests/jeu_de_test.h"

// Squares are (column, row), rows A..O = 1..15: the centre is (8, 8).
namespace glyphane {
namespace {

using Messages = std::vector<test::VueFactice::Message>;

test::VueFactice::Message illegal(std::string_view texte) {
    return {std::string(texte), std::string(messages::titreMouvementIllegal), false};
}

IssuePlacement jouer(test::JeuDeTest& t, bool motsConnus) {
    t.partie.motsConnus = motsConnus ? 1 : 0;
    EvaluerCoup(t.partie);
    return VerifierPlacement(t.jeu);
}

TEST(VerifierPlacement, ABadlyPlacedTileStaysWithTheMessage) {
    test::JeuDeTest t;
    t.poserNouveau("e", 8, 8);
    EXPECT_EQ(jouer(t, true), IssuePlacement::resteDansLeTour);
    EXPECT_EQ(t.vue.messages, Messages{illegal(messages::jetonsMalPlaces)});
    EXPECT_EQ(t.partie.placementInvalide, 0);
    EXPECT_NE(t.partie.plateau.grilleJeu()[8][8], 0);
}

TEST(VerifierPlacement, ABlankWithoutALetterIsAskedForBeforeTheWords) {
    test::JeuDeTest t;
    t.poserNouveau("??e", 8, 8);
    const int joker = t.partie.plateau.grilleJeu()[8][8];
    t.vue.lettres = {'l'};
    EXPECT_EQ(jouer(t, false), IssuePlacement::lettreJokerChoisie);
    EXPECT_EQ(t.vue.lettresDemandees, std::vector<int>{joker});
    EXPECT_EQ(t.partie.plateau.LettreJeton()[joker], 'l');

    EXPECT_EQ(jouer(t, false), IssuePlacement::rapportMotsRefuses);
    EXPECT_EQ(jouer(t, true), IssuePlacement::coupJoue);
    EXPECT_TRUE(t.vue.messages.empty());
}

TEST(VerifierPlacement, TheComputersUnknownWordIsTakenBack) {
    test::JeuDeTest t;
    Partie& partie = t.partie;
    partie.sieges.confierALOrdinateur(1, true);
    const auto casiers = t.auChevalet(1, "les");
    ASSERT_TRUE(PoserTexteDeCoup(partie, "le;GHHH"));
    EXPECT_EQ(jouer(t, false), IssuePlacement::coupRetire);
    EXPECT_EQ(partie.plateau.grilleJeu(), partie.plateau.grilleFixe());
    EXPECT_EQ(partie.ecran.images[casiers[1]].top, 524);
    EXPECT_TRUE(partie.ecran.images[casiers[1]].visible);
    EXPECT_EQ(partie.finDeTourSansPoints, 1);

    partie.finDeTourSansPoints = 0;
    t.poserNouveau("e", 2, 2);
    EXPECT_EQ(jouer(t, true), IssuePlacement::coupJoue);  // its placement is the turn's to judge
    EXPECT_TRUE(t.vue.messages.empty());
}

TEST(CoupRecevable, TheFirstMoveMustCrossTheCentreAndScore) {
    test::JeuDeTest t;
    EXPECT_FALSE(CoupRecevable(t.jeu));  // nothing put down

    t.poserNouveau("le", 2, 2);
    EvaluerCoup(t.partie);
    EXPECT_FALSE(CoupRecevable(t.jeu));

    test::JeuDeTest jokers;
    jokers.poserNouveau("?l?e", 7, 8);
    EvaluerCoup(jokers.partie);
    EXPECT_EQ(jokers.partie.pointsDuCoup, 0);
    EXPECT_FALSE(CoupRecevable(jokers.jeu));
    EXPECT_EQ(jokers.vue.messages, Messages{illegal(messages::motDeDeuxLettres)});

    test::JeuDeTest bon;
    bon.poserNouveau("le", 7, 8);
    EvaluerCoup(bon.partie);
    EXPECT_TRUE(CoupRecevable(bon.jeu));

    EXPECT_EQ(t.vue.messages, Messages(2, illegal(messages::caseCentrale)));
    EXPECT_TRUE(bon.vue.messages.empty());
}

TEST(CoupRecevable, LaterMovesMustScoreUnlessTheTurnEndsWithoutPoints) {
    test::JeuDeTest t;
    Partie& partie = t.partie;
    t.poserFixe("le", 7, 8);
    EvaluerCoup(partie);
    EXPECT_FALSE(CoupRecevable(t.jeu));
    EXPECT_EQ(t.vue.messages, Messages{illegal(messages::auMoinsUneLettre)});

    partie.finDeTourSansPoints = 1;
    EXPECT_TRUE(CoupRecevable(t.jeu));
    partie.finDeTourSansPoints = 0;
    partie.sieges.confierALOrdinateur(1, true);
    EXPECT_TRUE(CoupRecevable(t.jeu));
    EXPECT_EQ(t.vue.messages.size(), 1u);
}

TEST(MettreALEchange, AThirdTileWithTwoInTheBagBringsTheRackBack) {
    test::JeuDeTest t;
    Partie& partie = t.partie;
    const auto casiers = t.auChevalet(1, "abcdefg");
    for (int j = 1; j <= tailleChevalet; ++j) partie.chevaletDuTour[j] = static_cast<std::uint8_t>(casiers[j]);
    t.compterAuSac(2);

    EXPECT_TRUE(MettreALEchange(t.jeu, casiers[1]));
    EXPECT_FALSE(partie.ecran.images[casiers[1]].visible);
    EXPECT_EQ(partie.chevalet.caseDuJeton()[1][casiers[1]], 0);
    EXPECT_TRUE(MettreALEchange(t.jeu, casiers[2]));
    EXPECT_FALSE(MettreALEchange(t.jeu, casiers[3]));

    const test::VueFactice::Message limite{std::string(messages::tropDEchanges), "Mouvement illégal", false};
    EXPECT_EQ(t.vue.messages, Messages{limite});
    EXPECT_EQ(partie.nbJetonsEchanges, 0);
    for (int j = 1; j <= tailleChevalet; ++j) {
        EXPECT_EQ(partie.chevalet.caseDuJeton()[1][casiers[j]], j);
        EXPECT_TRUE(partie.ecran.images[casiers[j]].visible);
    }
}

TEST(ChoisirLettreJoker, TheAnswerReplacesThePreviousLetter) {
    test::JeuDeTest t;
    const int joker = t.jeton('?');
    t.partie.plateau.donnerLettreJoker(joker, 's');
    t.vue.lettres = {'k', '7'};
    ChoisirLettreJoker(t.jeu, joker);
    EXPECT_EQ(t.partie.plateau.LettreJeton()[joker], 'k');
    ChoisirLettreJoker(t.jeu, joker);
    EXPECT_EQ(t.partie.plateau.LettreJeton()[joker], '?');
    EXPECT_EQ(t.vue.lettresDemandees, (std::vector<int>{joker, joker}));
}

}  // namespace
}  // namespace glyphane
