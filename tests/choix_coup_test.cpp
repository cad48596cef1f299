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
    std::vector<Candidat> candidats = {{"ab;HHHI", 50, {}}, {"qi;HHHI", 10, {}}, {"aqua;HHHIHJHK", 12, {}},
                                       {"qat;HHHIHJ", 12, {}}};
    EXPECT_EQ(choisirAvecLeQ(candidats, {}), 2);
    EXPECT_EQ(choisirAvecLeQ(candidats, {2, 3}), 1);
    EXPECT_EQ(choisirAvecLeQ(candidats, {1, 2, 3}), std::nullopt);
    candidats.assign(31, {"qi;HHHI", 10, {}});
    candidats.push_back({"qat;HHHIHJ", 90, {}});
    EXPECT_EQ(choisirAvecLeQ(candidats, {}), 0);
}

}  // namespace
}  // namespace glyphane
