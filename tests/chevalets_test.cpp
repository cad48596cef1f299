#include "engine/chevalets.h"

#include <gtest/gtest.h>

namespace glyphane {
namespace {

TEST(Chevalet, ATileIsInOneRackAndItsSlotNamesIt) {
    Chevalet chevalet;
    ASSERT_TRUE(chevalet.ranger(1, 5, 2));
    EXPECT_FALSE(chevalet.ranger(2, 5, 1));  // in seat 1's rack already
    EXPECT_FALSE(chevalet.ranger(1, 5, 3));  // and in its slot 2
    EXPECT_FALSE(chevalet.ranger(1, 6, 8));

    ASSERT_TRUE(chevalet.ranger(1, 6, 2));  // slot 2 refilled: tile 5 is out
    EXPECT_EQ(chevalet.caseDuJeton()[1][5], 0);
    EXPECT_TRUE(chevalet.ranger(2, 5, 1));

    chevalet.rendre(2, 5);  // given back: named, out of the rack, slot still taken
    EXPECT_EQ(chevalet.caseChevalet()[2][1], 5);
    EXPECT_EQ(chevalet.caseOccupee()[2][1], 1);
    EXPECT_TRUE(chevalet.ranger(1, 5, 3));
}

TEST(Chevalet, ARestoredRackKeepsEveryTileInOnePlace) {
    Chevalet chevalet;
    CasiersDesJetons premier{};
    premier[10] = 1;
    premier[11] = 1;  // the same slot twice: the later tile keeps it
    premier[12] = 9;  // no such slot
    chevalet.restaurer(1, premier, Casiers{0, 1, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(chevalet.caseChevalet()[1][1], 11);
    EXPECT_EQ(chevalet.caseDuJeton()[1][10], 0);
    EXPECT_EQ(chevalet.caseDuJeton()[1][12], 0);

    CasiersDesJetons second{};
    second[11] = 2;  // seat 1 holds it
    chevalet.restaurer(2, second, Casiers{});
    EXPECT_EQ(chevalet.caseDuJeton()[2][11], 0);
    EXPECT_EQ(chevalet.caseChevalet()[2][2], 0);
}

}  // namespace
}  // namespace glyphane
