#include "ai/choix_coup.h"

#include <gtest/gtest.h>

namespace glyphane {
namespace {

using Points = std::vector<std::int32_t>;

TEST(ChoixCoup, TheTargetFollowsTheLevelUntilTheBagRunsLow) {
    const Points p = {30, 20, 19, 4};
    EXPECT_EQ(cibleDuTour(p, 6, 1.5), 20);
    EXPECT_EQ(cibleDuTour(p, 5, 1.5), 30);
    EXPECT_EQ(cibleDuTour({133}, 80, 1.33), 100);  // not 99.999...
    EXPECT_EQ(cibleDuTour({100}, 80, 1.02), 98);
    EXPECT_EQ(cibleDuTour({}, 80, 1.5), -1);
    EXPECT_EQ(lirePoints({"12", "x", "", "7a", "-3"}), (Points{12, -1, -1, -1, -3}));
}

TEST(ChoixCoup, TheLevelPlaysTheBestNotAboveItsTarget) {
    std::int32_t cible = 20;
    EXPECT_EQ(choisirParNiveau({30, 20, 19, 4}, cible, {}), 1);
    EXPECT_EQ(choisirParNiveau({30, 20, 19, 4}, cible, {1}), 2);
    EXPECT_EQ(choisirParNiveau({30, 20, 19, 4}, cible, {1, 2}), 3);
    // All above: the lowest of them, the first listed among equals.
    cible = 10;
    EXPECT_EQ(choisirParNiveau({30, 25, 40, 25}, cible, {}), 1);
    EXPECT_EQ(cible, 25);
    cible = 0;
    EXPECT_EQ(choisirParNiveau({30, 5, 3}, cible, {}), 1);
    EXPECT_EQ(choisirParNiveau({30, 5}, cible, {0, 1}), std::nullopt);
}

TEST(ChoixCoup, WithTheQTheBestOfTheFirst31MovesPlacingItIsTaken) {
    std::vector<std::string> coups = {"ab;HHHI", "qi;HHHI", "aqua;HHHIHJHK", "qat;HHHIHJ"};
    Points points = {50, 10, 12, 12};
    EXPECT_EQ(choisirAvecLeQ(coups, points, {}), 2);
    EXPECT_EQ(choisirAvecLeQ(coups, points, {2, 3}), 1);
    EXPECT_EQ(choisirAvecLeQ(coups, points, {1, 2, 3}), std::nullopt);
    coups.assign(31, "qi;HHHI");
    points.assign(31, 10);
    coups.push_back("qat;HHHIHJ");
    points.push_back(90);
    EXPECT_EQ(choisirAvecLeQ(coups, points, {}), 0);
}

}  // namespace
}  // namespace glyphane
