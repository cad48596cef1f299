#include "engine/deroulement.h"

#include <gtest/gtest.h>

namespace glyphane {
namespace {

TEST(Deroulement, TheTurnStaysWithASeatOfTheTable) {
    Deroulement deroulement;
    deroulement.donnerLaMainA(nbSiegesMax + 1);
    deroulement.noterPasse(nbSiegesMax + 1);
    deroulement.ajouterPoints(-1, 10);
    EXPECT_EQ(deroulement.joueurCourant(), 0);
    EXPECT_EQ(deroulement.passe(), (std::array<std::uint8_t, nbSiegesMax + 1>{}));
    EXPECT_EQ(deroulement.score(), ScoresDesSieges{});

    deroulement.donnerLaMainA(3);
    deroulement.passerLaMain(3);
    EXPECT_EQ(deroulement.joueurCourant(), 1);
    deroulement.passerLaMain(3);
    EXPECT_EQ(deroulement.joueurCourant(), 2);
}

}  // namespace
}  // namespace glyphane
