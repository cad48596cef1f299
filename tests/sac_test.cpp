#include "engine/sac.h"

#include <gtest/gtest.h>

namespace glyphane {
namespace {

// A bag of tiles 1..3, tile 2 in a rack, tile 1 just given back in an exchange.
TEST(Sac, ATileLeavesTheBagOnceAndTheCountNeverGoesBelowZero) {
    Sac sac;
    EXPECT_EQ(sac.jetonsDansSac(), nbJetons);
    EXPECT_TRUE(sac.marquerJoue(9));
    EXPECT_FALSE(sac.marquerJoue(9));
    EXPECT_FALSE(sac.marquerJoue(0));
    EXPECT_FALSE(sac.marquerJoue(nbJetons + 1));

    JetonsJoues joues{};
    joues.fill(1);
    joues[1] = joues[2] = joues[3] = 0;
    sac.restaurer(5, joues);  // a count that disagrees with the tiles
    Chevalet chevalet;
    chevalet.ranger(1, 2, 1);
    Hasard hasard(std::uint64_t{3});
    const int premier = sac.tirerEnEchange(hasard, chevalet, Casiers{0, 1});
    EXPECT_EQ(premier, 3);
    EXPECT_EQ(sac.jetonsDansSac(), 5);
    chevalet.ranger(1, premier, 2);
    EXPECT_EQ(sac.tirer(hasard, chevalet), 1);
    EXPECT_EQ(sac.jetonsDansSac(), 4);
    chevalet.ranger(1, 1, 3);
    EXPECT_EQ(sac.tirer(hasard, chevalet), 0);  // no tile left, however many the count says
    EXPECT_EQ(sac.jetonsDansSac(), 4);

    sac.restaurer(-1, joues);
    EXPECT_EQ(sac.jetonsDansSac(), 0);
    chevalet = Chevalet{};
    EXPECT_EQ(sac.tirer(hasard, chevalet), 0);  // the count is spent
    EXPECT_TRUE(sac.contient(chevalet, 1));
}

}  // namespace
}  // namespace glyphane
