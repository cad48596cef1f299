#include "ai/niveaux.h"

#include <gtest/gtest.h>

#include <vector>

namespace glyphane {
namespace {

std::string montre(int numero) {
    const Niveau& niveau = niveauNumero(numero);
    return std::string(niveau.caption) + "|" + niveau.hint;
}

TEST(Niveaux, EachNumberHasItsCaptionHintAndShareAndAnyOtherPlaysAsTheWeakest) {
    EXPECT_EQ(montre(5), "&niveau5|meilleur coup");
    EXPECT_EQ(montre(4), "&niveau4|98% du meilleur coup");
    EXPECT_EQ(montre(3), "&niveau3|95% du meilleur coup");
    EXPECT_EQ(montre(2), "&niveau2|75% du meilleur coup");
    EXPECT_EQ(montre(1), "&niveau1|66% du meilleur coup");
    EXPECT_DOUBLE_EQ(niveauNumero(5).diviseur, 1.0);
    EXPECT_DOUBLE_EQ(niveauNumero(2).diviseur, 1.33);
    EXPECT_EQ(&niveauNumero(0), &niveauNumero(1));
    EXPECT_EQ(&niveauNumero(6), &niveauNumero(1));
}

TEST(Niveaux, TheButtonCyclesDownAndBackToTheBest) {
    Partie partie;
    EXPECT_EQ(partie.fenetre.copie().niveau, niveauMeilleur);
    std::vector<int> vus;
    for (int i = 0; i < 6; ++i) {
        changerNiveau(partie);
        vus.push_back(partie.fenetre.copie().niveau);
    }
    EXPECT_EQ(vus, (std::vector<int>{4, 3, 2, 1, 5, 4}));
}

TEST(Niveaux, ALevelIsSetByItsNumberAndOnlyOneToFive) {
    Partie partie;
    ASSERT_TRUE(fixerNiveau(partie, 2));
    EXPECT_FALSE(fixerNiveau(partie, 0));
    EXPECT_FALSE(fixerNiveau(partie, 6));
    EXPECT_EQ(partie.fenetre.copie().niveau, 2);
}

}  // namespace
}  // namespace glyphane
