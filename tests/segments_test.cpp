#include "ai/segments.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "tests/mise_a_jour_de_test.h"

// Squares are (column, row); row A is 1, the centre is (8, 8).
namespace glyphane {
namespace {

using test::MiseAJourDeTest;

// "a??@2,1 3,1|a1," : the letters, the free squares, the crossing frames.
std::string decrire(const Segment& s) {
    std::string texte = s.motif + "@";
    for (std::size_t k = 0; k < s.lignes.size(); ++k) {
        if (k > 0) texte += ' ';
        texte += std::to_string(s.colonnes[k]) + "," + std::to_string(s.lignes[k]);
    }
    return texte + "|" + s.croisements;
}

std::vector<std::string> liste(const ModeleOrdinateur& modele, int n) {
    std::vector<std::string> textes;
    for (const Segment& s : modele.Segments[static_cast<std::size_t>(n)]) textes.push_back(decrire(s));
    return textes;
}

std::string suite(Case debut, int n, Sens sens) {
    std::string texte;
    for (const Case c : test::cases(debut, n, sens)) texte += (texte.empty() ? "" : " ") + std::to_string(c.x) + "," + std::to_string(c.y);
    return texte;
}

TEST(EnumererSegments, ATileInTheCornerGivesExactlyTheseSegments) {
    MiseAJourDeTest t(false);
    EnumererSegments(t.partie, t.modele, t.jouer("a", {1, 1}, Sens::horizontal));

    for (int n = 2; n <= 7; ++n) {
        const std::string libres(static_cast<std::size_t>(n), '?');
        // The tile's own square along its row and its column; then the anchors
        // right of it and below it, whose row or column segment is new and
        // crosses the tile; every other one repeats a set of free squares.
        EXPECT_EQ(liste(t.modele, n), (std::vector<std::string>{
                                          "a" + libres + "@" + suite({2, 1}, n, Sens::horizontal) + "|",
                                          "a" + libres + "@" + suite({1, 2}, n, Sens::vertical) + "|",
                                          libres + "@" + suite({2, 1}, n, Sens::vertical) + "|a1,",
                                          libres + "@" + suite({1, 2}, n, Sens::horizontal) + "|a1,",
                                      }))
            << "N = " << n;
    }
    EXPECT_EQ(liste(t.modele, 1), (std::vector<std::string>{"a?@2,1|", "a?@1,2|"}));
}

TEST(EnumererSegments, LettersBeforeAndAfterAndCrossingWordsOnBothSides) {
    MiseAJourDeTest t(false);
    t.poser("abe", {3, 8}, Sens::horizontal);
    t.poser("o", {6, 7}, Sens::horizontal);  // above (6,8)
    t.poser("s", {6, 9}, Sens::horizontal);  // below (6,8)
    EnumererSegments(t.partie, t.modele, t.jouer("c", {8, 8}, Sens::horizontal));

    // Two free squares back from the tile join the two words; the first one is
    // the middle of "o?s" across.
    const auto deux = liste(t.modele, 2);
    EXPECT_NE(std::find(deux.begin(), deux.end(), "abe??c@6,8 7,8|o1s,"), deux.end());
    const auto un = liste(t.modele, 1);
    EXPECT_NE(std::find(un.begin(), un.end(), "?c@7,8|"), un.end());
    // One segment per set of free squares, and no frame on a lone square.
    for (int n = 1; n <= 7; ++n) {
        std::set<std::string> vus;
        for (const Segment& s : t.modele.Segments[static_cast<std::size_t>(n)]) {
            const std::string texte = decrire(s);
            const std::string libres = texte.substr(texte.find('@'), texte.find('|') - texte.find('@'));
            EXPECT_TRUE(vus.insert(libres).second) << "N = " << n << " " << texte;
            if (n == 1) {
                EXPECT_EQ(s.croisements, "");
            }
        }
    }
}

TEST(EnumererSegments, TheEdgeOfTheBoardCutsSegmentsShort) {
    MiseAJourDeTest t(false);
    t.poser("tales", {9, 15}, Sens::horizontal);
    EnumererSegments(t.partie, t.modele, t.jouer("s", {14, 15}, Sens::horizontal));
    // Back from the tile, the first empty square is before the word; forward,
    // only one is left before the edge.
    EXPECT_EQ(liste(t.modele, 1), (std::vector<std::string>{"?taless@8,15|", "taless?@15,15|", "?s@14,14|"}));
    for (int n = 2; n <= 7; ++n) {
        for (const Segment& s : t.modele.Segments[static_cast<std::size_t>(n)]) {
            EXPECT_EQ(s.lignes.size(), static_cast<std::size_t>(n));
            for (std::size_t k = 0; k < s.lignes.size(); ++k) {
                EXPECT_TRUE(surPlateau({s.colonnes[k], s.lignes[k]})) << decrire(s);
                EXPECT_EQ(t.partie.plateau.grilleFixe()[s.colonnes[k]][s.lignes[k]], 0) << decrire(s);
            }
        }
    }
}

TEST(EnumererSegments, TheLoadingFormsMatchTheMoveForASingleTile) {
    MiseAJourDeTest coup(false);
    EnumererSegments(coup.partie, coup.modele, coup.jouer("e", {8, 8}, Sens::horizontal));

    MiseAJourDeTest charge(false);
    charge.poser("e", {8, 8}, Sens::horizontal);
    EnumererSegmentsDuPlateau(charge.partie, charge.modele);

    MiseAJourDeTest seule(false);
    seule.poser("e", {8, 8}, Sens::horizontal);
    EnumererSegmentsDeLaCase(seule.partie, seule.modele, {8, 8});
    for (int n = 1; n <= 7; ++n) {
        EXPECT_EQ(liste(charge.modele, n), liste(coup.modele, n)) << "N = " << n;
        // The square alone never reaches a segment that leaves its lines.
        for (const Segment& s : seule.modele.Segments[static_cast<std::size_t>(n)]) {
            EXPECT_TRUE(s.lignes.front() == 8 || s.colonnes.front() == 8) << decrire(s);
        }
    }
    EXPECT_LT(seule.modele.Segments[2].size(), coup.modele.Segments[2].size());
}

TEST(EnumererSegments, ItWalksOverNeighbouringTilesToFindTheAnchors) {
    MiseAJourDeTest t(false);
    t.poser("la", {8, 6}, Sens::vertical);
    EnumererSegmentsAutourDeLaCase(t.partie, t.modele, {8, 7});
    // Up from the a, the first empty square is above the l; down, below the a.
    const auto deux = liste(t.modele, 2);
    EXPECT_NE(std::find(deux.begin(), deux.end(), "??la@8,4 8,5|"), deux.end());
    EXPECT_NE(std::find(deux.begin(), deux.end(), "la??@8,8 8,9|"), deux.end());
    EXPECT_NE(std::find(deux.begin(), deux.end(), "??a@6,7 7,7|"), deux.end());
    // A lone square reached both ways is kept along its row.
    const auto un = liste(t.modele, 1);
    EXPECT_NE(std::find(un.begin(), un.end(), "?@8,5|"), un.end());
    EXPECT_EQ(std::find(un.begin(), un.end(), "?la@8,5|"), un.end());
}

}  // namespace
}  // namespace glyphane
