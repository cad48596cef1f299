#include "ai/niveaux.h"

#include <gtest/gtest.h>

#include <vector>

namespace glyphane {
namespace {

TEST(Niveaux, TheButtonCyclesDownAndBackToTheBest) {
    Partie partie;
    std::vector<std::string> vus;
    for (int i = 0; i < 6; ++i) {
        niveauxClick(partie);
        const EtatControles e = partie.fenetre.copie();
        vus.push_back(e.captionNiveau + "|" + e.hintNiveau);
    }
    EXPECT_EQ(vus, (std::vector<std::string>{"&niveau4|98% du meilleur coup", "&niveau3|95% du meilleur coup",
                                             "&niveau2|75% du meilleur coup", "&niveau1|66% du meilleur coup",
                                             "&niveau5|meilleur coup", "&niveau4|98% du meilleur coup"}));
}

TEST(Niveaux, ALevelIsSetByItsNumberAndOnlyOneToFive) {
    Partie partie;
    ASSERT_TRUE(fixerNiveau(partie, 2));
    EXPECT_EQ(partie.fenetre.copie().captionNiveau, "&niveau2");
    EXPECT_EQ(partie.fenetre.copie().hintNiveau, "75% du meilleur coup");
    EXPECT_FALSE(fixerNiveau(partie, 0));
    EXPECT_FALSE(fixerNiveau(partie, 6));
    EXPECT_EQ(partie.fenetre.copie().captionNiveau, "&niveau2");
    ASSERT_TRUE(fixerNiveau(partie, 5));
    EXPECT_EQ(partie.fenetre.copie().hintNiveau, "meilleur coup");
}

TEST(Niveaux, AnUnknownCaptionPlaysAsTheWeakestLevel) {
    EXPECT_DOUBLE_EQ(niveauDeCaption("&niveau5").diviseur, 1.0);
    EXPECT_DOUBLE_EQ(niveauDeCaption("&niveau2").diviseur, 1.33);
    EXPECT_DOUBLE_EQ(niveauDeCaption("autre").diviseur, 1.5);
}

}  // namespace
}  // namespace glyphane
