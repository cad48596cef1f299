#include "engine/verification_mots.h"

#include <gtest/gtest.h>

#include <fstream>

#include "engine/evaluation.h"
#include "tests/jeu_de_test.h"
#include "tests/lire_brut.h"
#include "tests/partie_de_test.h"
#include "tests/sans_privileges.h"

// Squares are (column, row), rows A..O = 1..15: the centre is (8, 8).
namespace glyphane {
namespace {

namespace fs = std::filesystem;

using test::lireBrut;

// The report as the play sequence would fill it for the tiles now put down.
MotsRefuses rapportPour(test::JeuDeTest& t) {
    t.partie.motsConnus = 1;
    EvaluerCoup(t.partie);
    VerifierMots(t.jeu);
    return MotsDuRapport(t.partie.evaluation);
}

CasesCochees cocher(std::initializer_list<int> cases) {
    CasesCochees cochees{};
    for (const int k : cases) cochees[k] = true;
    return cochees;
}

TEST(MotsDuRapport, AKnownMainWordLeavesSlotOneEmptyForTheUnknownCrossWord) {
    test::JeuDeTest t;
    t.trie.insert("les");
    t.poserFixe("z", 9, 10);
    t.poserNouveau("les", 8, 8, false);  // down column 8; the s meets the z
    const MotsRefuses rapport = rapportPour(t);
    EXPECT_EQ(t.partie.motsConnus, 0);
    EXPECT_EQ(rapport, (MotsRefuses{"", "", "sz", "", "", "", "", "", ""}));
}

TEST(MotsDuRapport, TheUnknownMainWordComesFirstThenTheCrossWordsInTileOrder) {
    test::JeuDeTest t;
    t.poserFixe("mot", 5, 8);
    t.poserNouveau("xy", 5, 9);  // "xy" along row I, "mx" and "oy" down
    EXPECT_EQ(rapportPour(t), (MotsRefuses{"", "xy", "mx", "oy", "", "", "", "", ""}));

    t.trie.insert("xy");
    t.trie.insert("mx");
    EXPECT_EQ(rapportPour(t), (MotsRefuses{"", "", "oy", "", "", "", "", "", ""}));
    t.trie.insert("oy");
    EXPECT_EQ(rapportPour(t), MotsRefuses{});
    EXPECT_EQ(t.partie.motsConnus, 1);
}

TEST(MotsDuRapport, ALoneTileListsItsColumnWordBeforeItsRowWord) {
    test::JeuDeTest t;
    t.poserFixe("a", 8, 7);
    t.poserFixe("b", 9, 8);
    t.poserNouveau("z", 8, 8);
    EXPECT_EQ(rapportPour(t), (MotsRefuses{"", "az", "zb", "", "", "", "", "", ""}));
}

TEST(AjouterAuDicoUtilisateur, AppendsWindowsLinesAndTheWordsCountAtOnce) {
    test::DossierTemporaire dossier;
    LexiconTrie trie;
    std::ofstream(dossier() / "dico glyphane.txt", std::ios::binary) << "kiwi\r\n";
    EXPECT_TRUE(AjouterAuDicoUtilisateur(dossier(), trie, {"zx", "été"}));
    EXPECT_EQ(lireBrut(dossier() / "dico glyphane.txt"), "kiwi\r\nzx\r\n\xE9t\xE9\r\n");
    EXPECT_TRUE(trie.contains("zx"));

    fs::remove(dossier() / "dico glyphane.txt");
    EXPECT_TRUE(AjouterAuDicoUtilisateur(dossier(), trie, {"qi"}));
    EXPECT_EQ(lireBrut(dossier() / "dico glyphane.txt"), "qi\r\n");
}

TEST(AjouterAuDicoUtilisateur, AWordThatCannotBeWrittenIsNotAddedEither) {
    test::DossierTemporaire dossier;
    const fs::perms lecture = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                              fs::perms::others_exec;
    fs::permissions(dossier(), lecture);
    const fs::path d = dossier();
    EXPECT_TRUE(test::sansPrivileges([&] {
        LexiconTrie trie;
        std::error_code erreur;
        return !AjouterAuDicoUtilisateur(d, trie, {"zx"}) && !trie.contains("zx") &&
               !fs::exists(d / "dico glyphane.txt", erreur);
    }));
}

class Rapport : public ::testing::Test {
protected:
    test::PartieDeTest t;
    Partie& partie = t.partie;
    fs::path dico = t.dossier() / "dico glyphane.txt";

    void SetUp() override { t.commencer({"Alice", "Bob"}); }
};

TEST_F(Rapport, ATickedWordIsKeptForGoodAndTheMoveScores) {
    t.imposerChevalet("zxaeiou");
    t.vue.cases = {cocher({1})};
    t.jouer("zx;GHHH");
    ASSERT_EQ(t.vue.rapports.size(), 1u);
    EXPECT_EQ(t.vue.rapports[0], (MotsRefuses{"", "zx", "", "", "", "", "", "", ""}));
    EXPECT_EQ(lireBrut(dico), "zx\r\n");
    EXPECT_TRUE(t.trie.contains("zx"));
    EXPECT_EQ(partie.deroulement.score()[1], 40);
    EXPECT_EQ(partie.deroulement.joueurCourant(), 2);
}

TEST_F(Rapport, AnUnknownWordLeftUntickedTakesTheMoveBackAndCostsTheTurn) {
    t.imposerChevalet("zxaeiou");
    const auto rack = partie.chevalet.caseChevalet()[1];
    t.jouer("zx;GHHH");
    EXPECT_EQ(partie.deroulement.joueurCourant(), 2);
    EXPECT_EQ(partie.deroulement.numeroTour(), 2);
    EXPECT_EQ(partie.deroulement.score()[1], 0);
    EXPECT_EQ(partie.chevalet.caseChevalet()[1], rack);
    for (int j = 1; j <= tailleChevalet; ++j) EXPECT_EQ(partie.chevalet.caseDuJeton()[1][rack[j]], j);
    EXPECT_EQ(partie.plateau.grilleFixe(), Grille{});
    EXPECT_EQ(partie.plateau.jetonsSurPlateau(), 0);
    EXPECT_EQ(partie.fenetre.copie().epointsdutour, "0");
    EXPECT_EQ(partie.deroulement.coup(3).tirage, "zxaeiou");
    EXPECT_FALSE(t.trie.contains("zx"));
    EXPECT_EQ(lireBrut(dico), "");
}

TEST_F(Rapport, TheTickedWordsOfARefusedMoveAreKeptAllTheSame) {
    t.imposerChevalet("motsaie");
    t.jouer("mots;EHFHGHHH");
    t.imposerChevalet("xyaeiou");
    t.vue.cases = {cocher({1, 3})};
    t.jouer("xy;EIFI");
    EXPECT_EQ(t.vue.rapports.back(), (MotsRefuses{"", "xy", "mx", "oy", "", "", "", "", ""}));
    EXPECT_EQ(lireBrut(dico), "xy\r\noy\r\n");
    EXPECT_TRUE(t.trie.contains("oy"));
    EXPECT_FALSE(t.trie.contains("mx"));
    EXPECT_EQ(partie.deroulement.score()[2], 0);
    EXPECT_EQ(partie.deroulement.joueurCourant(), 1);
    EXPECT_EQ(partie.plateau.grilleFixe()[5][9], 0);
}

TEST_F(Rapport, ABlankWithoutALetterIsAskedForAndThenPlayed) {
    t.imposerChevalet("m?tsaie");
    t.vue.lettres = {'o'};
    t.jouer("m?ts;EHFHGHHH");
    EXPECT_EQ(t.vue.lettresDemandees.size(), 1u);
    EXPECT_EQ(partie.deroulement.joueurCourant(), 1);  // the player presses Jouer again
    jouerCoup(t.jeu);
    EXPECT_EQ(partie.deroulement.score()[1], 8);  // the blank is worth nothing
    EXPECT_EQ(partie.deroulement.coup(1).mot, "mots");
}

}  // namespace
}  // namespace glyphane
