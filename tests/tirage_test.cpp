#include "engine/tirage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "tests/jeu_de_test.h"

namespace glyphane {
namespace {

std::set<int> chevaletDe(const Partie& partie, int siege) {
    std::set<int> jetons;
    for (int j = 1; j <= tailleChevalet; ++j) {
        if (partie.chevalet.caseChevalet()[siege][j] != 0) jetons.insert(partie.chevalet.caseChevalet()[siege][j]);
    }
    return jetons;
}

// Every tile except those listed is played.
void neLaisserDansLeSac(Partie& partie, const std::set<int>& restants) {
    JetonsJoues joues{};
    for (int t = 1; t <= nbJetons; ++t) joues[t] = restants.count(t) != 0 ? 0 : 1;
    partie.sac.restaurer(static_cast<std::int32_t>(restants.size()), joues);
}

// A seed must replay the same deal on any system: the numbers drawn are pinned
// here, whatever standard library the program is built with.
TEST(Hasard, ASeedDrawsTheSameNumbersEverywhere) {
    Hasard hasard(std::uint64_t{1});
    std::vector<int> tires;
    for (int n : {102, 102, 102, 102, 102, 102, 102, 102, 200, 7, 3}) tires.push_back(hasard.aleatoire(n));
    EXPECT_EQ(tires, (std::vector<int>{26, 66, 36, 66, 6, 51, 14, 51, 48, 0, 2}));
}

TEST(Tirer, TheDealNeverGivesATileHeldOrPlayedAndRecordsItsLetters) {
    for (std::uint64_t graine = 1; graine <= 10; ++graine) {
        test::JeuDeTest t;
        t.hasard = Hasard(graine);
        Partie& partie = t.partie;
        partie.deroulement = Deroulement{};  // the deal has begun
        partie.deroulement.donnerLaMainA(1);
        const auto autre = t.auChevalet(2, "aeiouyz");
        t.poserFixe("bonjour", 4, 8);
        t.compterAuSac(nbJetons - 14);

        ASSERT_EQ(Tirer(t.jeu, 7), 7);
        ASSERT_EQ(chevaletDe(partie, 1).size(), 7u);
        std::string lettres;
        for (int j = 1; j <= tailleChevalet; ++j) {
            const int jeton = partie.chevalet.caseChevalet()[1][j];
            EXPECT_EQ(partie.sac.jetonJoue()[jeton], 0);
            EXPECT_EQ(std::count(autre.begin(), autre.end(), jeton), 0);
            EXPECT_EQ(partie.chevalet.caseDuJeton()[1][jeton], j);
            EXPECT_FALSE(partie.ecran.images[jeton].visible);
            lettres += partie.plateau.LettreJeton()[jeton];
        }
        EXPECT_EQ(partie.deroulement.tirageDistribution()[1], lettres);
        EXPECT_EQ(partie.fenetre.copie().enbLettreDispo, std::to_string(nbJetons - 21));
    }
}

TEST(Tirer, DrawsOnlyWhatTheBagHoldsIntoTheNextMovesRecord) {
    test::JeuDeTest t;
    Partie& partie = t.partie;
    neLaisserDansLeSac(partie, {3, 50, 99});
    for (int n = 1; n <= 5; ++n) partie.deroulement.ouvrirTour();
    partie.deroulement.coup(6).tirage = "+";
    EXPECT_EQ(Tirer(t.jeu, 7), 3);
    EXPECT_EQ(chevaletDe(partie, 1), (std::set<int>{3, 50, 99}));
    EXPECT_EQ(partie.deroulement.coup(6).tirage.size(), 4u);
    EXPECT_EQ(partie.sac.jetonsDansSac(), 0);
    EXPECT_EQ(partie.fenetre.copie().enbLettreDispo, "0");
}

TEST(Tirer, AnExchangedTileNeverComesStraightBack) {
    for (std::uint64_t graine = 1; graine <= 10; ++graine) {
        test::JeuDeTest t;
        t.hasard = Hasard(graine);
        Partie& partie = t.partie;
        const auto casiers = t.auChevalet(1, "abcdefg");
        neLaisserDansLeSac(partie, {casiers[1], casiers[2], casiers[3], 60, 61, 62});
        t.compterAuSac(3);  // the count from before the exchange
        for (int j = 1; j <= 3; ++j) {
            partie.chevalet.rendre(1, casiers[j]);
            partie.chevalet.libererCasier(1, j);
        }
        partie.finDeTourSansPoints = 1;
        ASSERT_EQ(Tirer(t.jeu, 3), 3);
        for (int j = 1; j <= 3; ++j) EXPECT_GE(partie.chevalet.caseChevalet()[1][j], 60);
        EXPECT_EQ(partie.sac.jetonsDansSac(), 3);
    }
}

TEST(Tirer, StopsWhenNoTileMayBeDrawn) {
    test::JeuDeTest t;
    Partie& partie = t.partie;
    const auto casiers = t.auChevalet(1, "ab");
    neLaisserDansLeSac(partie, {casiers[1], casiers[2]});
    for (int j = 1; j <= 2; ++j) {
        partie.chevalet.rendre(1, casiers[j]);
        partie.chevalet.libererCasier(1, j);
    }
    partie.finDeTourSansPoints = 1;
    EXPECT_EQ(Tirer(t.jeu, 2), 0);

    partie.finDeTourSansPoints = 0;
    t.auChevalet(1, "hijklmn");
    EXPECT_EQ(Tirer(t.jeu, 2), 0);  // no free slot
}

}  // namespace
}  // namespace glyphane
