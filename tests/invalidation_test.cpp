#include "ai/invalidation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "tests/mise_a_jour_de_test.h"

// Squares are (column, row); the centre is (8, 8).
namespace glyphane {
namespace {

using test::MiseAJourDeTest;
using test::possibilite;
namespace fs = std::filesystem;

// Records with one free square each, numbered from 8 with their word files.
void ajouterAvecFichiers(MiseAJourDeTest& t, std::initializer_list<Case> libres) {
    int numero = 8;
    for (const Case c : libres) {
        t.modele.Possibilites[1].push_back(possibilite("?", {c}, numero));
        t.ecrireTemporaire(numero++, "as\r\n");
    }
}

TEST(InvaliderAutourDuCoup, ALoneTileSpoilsTheFirstEmptySquareEveryWay) {
    MiseAJourDeTest t(false);
    ajouterAvecFichiers(t, {{7, 8}, {9, 8}, {8, 7}, {9, 9}});
    t.modele.Possibilites[2].push_back(possibilite("??", {{8, 9}, {8, 10}}, 3));  // a whole-length file
    t.ecrireTemporaire(3, "les\r\n");

    InvaliderAutourDuCoup(t.jeu, t.modele, t.jouer("e", {8, 8}, Sens::horizontal));

    const auto& un = t.modele.Possibilites[1];
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(un[i].valide, 0) << i;
        EXPECT_EQ(un[i].numeroFichier, aucunFichier) << i;
        EXPECT_FALSE(t.existe(8 + static_cast<int>(i))) << i;
    }
    EXPECT_EQ(un[3].valide, 1);  // diagonal: untouched
    EXPECT_TRUE(t.existe(11));
    EXPECT_EQ(t.modele.Possibilites[2][0].valide, 0);
    EXPECT_EQ(t.modele.Possibilites[2][0].numeroFichier, 3);
    EXPECT_TRUE(t.existe(3));
}

TEST(InvaliderAutourDuCoup, SeveralTilesOnlyLookAcrossTheirLineAndWalkOverTiles) {
    MiseAJourDeTest t(false);
    t.poser("a", {8, 9}, Sens::horizontal);  // under the middle tile
    ajouterAvecFichiers(t, {{6, 8}, {10, 8}, {7, 7}, {8, 10}, {8, 11}});
    InvaliderAutourDuCoup(t.jeu, t.modele, t.jouer("les", {7, 8}, Sens::horizontal));
    // Not the ends of the word along its line; above the l, below the a under the e.
    std::vector<int> valides;
    for (const Possibilite& p : t.modele.Possibilites[1]) valides.push_back(p.valide);
    EXPECT_EQ(valides, (std::vector<int>{1, 1, 0, 0, 1}));

    MiseAJourDeTest v(false);
    ajouterAvecFichiers(v, {{8, 6}, {7, 7}, {9, 8}});
    InvaliderAutourDuCoup(v.jeu, v.modele, v.jouer("le", {8, 7}, Sens::vertical));
    valides.clear();
    for (const Possibilite& p : v.modele.Possibilites[1]) valides.push_back(p.valide);
    EXPECT_EQ(valides, (std::vector<int>{1, 0, 0}));
}

TEST(InvaliderCasesCouvertes, CoveredSquaresSpoilTheirRecordsAndInvalidFilesGo) {
    MiseAJourDeTest t(false);
    t.poser("s", {5, 5}, Sens::horizontal);
    ajouterAvecFichiers(t, {{5, 5}, {6, 6}});
    t.modele.Possibilites[2].push_back(possibilite("??", {{1, 1}, {2, 1}}, 10, 0));  // superseded
    t.ecrireTemporaire(10, "as\r\n");
    t.modele.Possibilites[3].push_back(possibilite("???", {{3, 5}, {4, 5}, {5, 5}}, 4));
    t.ecrireTemporaire(4, "lits\r\n");

    InvaliderCasesCouvertes(t.jeu, t.modele);

    EXPECT_EQ(t.modele.Possibilites[1][0].valide, 0);
    EXPECT_FALSE(t.existe(8));
    EXPECT_EQ(t.modele.Possibilites[1][1].valide, 1);
    EXPECT_TRUE(t.existe(9));
    EXPECT_FALSE(t.existe(10));
    EXPECT_EQ(t.modele.Possibilites[2][0].numeroFichier, aucunFichier);
    EXPECT_EQ(t.modele.Possibilites[3][0].valide, 0);
    EXPECT_TRUE(t.existe(4));
}

TEST(InvaliderCasesCouvertes, OnlyAfterAScoredMoveOfARunningGame) {
    const auto preparer = [](MiseAJourDeTest& t) {
        t.poser("s", {5, 5}, Sens::horizontal);
        ajouterAvecFichiers(t, {{5, 5}});
    };
    const std::function<void(Partie&)> cas[] = {
        [](Partie& p) {  // still dealing, on the same turn
            p.deroulement = Deroulement{};
            p.deroulement.ouvrirTour();
            p.deroulement.ouvrirTour();
        },
        [](Partie& p) { p.finDeTourSansPoints = 1; },
        [](Partie& p) { p.deroulement.terminerPartie(); },
        [](Partie& p) { p.deroulement.restaurer(1, 1, {}, {}, {}, false); }};
    for (std::size_t i = 0; i < std::size(cas); ++i) {
        MiseAJourDeTest t(false);
        preparer(t);
        cas[i](t.partie);
        InvaliderCasesCouvertes(t.jeu, t.modele);
        EXPECT_EQ(t.modele.Possibilites[1][0].valide, 1) << i;
        EXPECT_TRUE(t.existe(8)) << i;
    }
}

}  // namespace
}  // namespace glyphane
