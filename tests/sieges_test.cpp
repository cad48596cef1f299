#include "engine/sieges.h"

#include <gtest/gtest.h>

namespace glyphane {
namespace {

TEST(Sieges, TheTableHasNoMoreSeatsThanItsTables) {
    Sieges sieges;
    sieges.fixerNombreJoueurs(2);
    sieges.fixerNombreJoueurs(nbSiegesMax + 1);
    sieges.nommer(nbSiegesMax + 1, "Personne");
    sieges.confierALOrdinateur(0, true);
    EXPECT_EQ(sieges.nbJoueurs(), 2);
    EXPECT_EQ(sieges.estOrdinateur(), OrdinateursDesSieges{});

    sieges.nommer(1, "Ana");
    sieges.nommer(3, "Reste");
    sieges.confierALOrdinateur(2, true);
    sieges.reordonner(RangsDesSieges{0, 2, 1, 9, 0});  // only the two players move
    EXPECT_EQ(sieges.nom(), (NomsDesSieges{"", "", "Ana", "Reste", ""}));
    EXPECT_EQ(sieges.estOrdinateur(), (OrdinateursDesSieges{0, 1, 0, 0, 0}));
}

}  // namespace
}  // namespace glyphane
