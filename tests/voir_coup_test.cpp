#include "ai/voir_coup.h"

#include <gtest/gtest.h>

#include "ai/liste_mots.h"
#include "engine/affichage.h"
#include "tests/recherche_de_test.h"

namespace glyphane {
namespace {

class Voir : public ::testing::Test {
protected:
    test::RechercheDeTest t;
    Partie& partie = t.partie;

    Voir() {
        EntrerDansPhase(partie, Phase::humainJoue);
        partie.fenetre.modifier([](EtatControles& e) { e.niveau = 1; });
    }
    EtatControles controles() const { return partie.fenetre.copie(); }
};

TEST_F(Voir, ShowsTheBestMoveWhateverTheLevel) {
    t.semerPremierCoup();
    t.auChevalet(1, "tea");
    partie.ecran.surlignageDernierCoup = true;
    EXPECT_TRUE(voirCoupOrdinateur(t.jeu, t.modele));
    EXPECT_EQ(t.lettresPosees(), "eta");
    EXPECT_EQ(controles().epointsdutour, "6");
    EXPECT_EQ(controles().memo1.size(), 5u);
    EXPECT_TRUE(partie.ecran.surlignageSuggestion);
    EXPECT_FALSE(partie.ecran.surlignageDernierCoup);
    EXPECT_TRUE(partie.ecran.grilleSuggestion[6][8] && !partie.ecran.grilleSuggestion[7][9]);
    EXPECT_TRUE(controles().fenetreActive && controles().menuVoir);
    EXPECT_EQ(partie.drapeaux.ordiOccupe.load(), 0);
}

TEST_F(Voir, WithNothingToPlayItSaysWhatTheComputerWouldDo) {
    t.auChevalet(1, "tea");
    t.compterAuSac(8);
    voirLeCoupdeLOrdiCherche(t.jeu, t.modele);
    t.compterAuSac(7);
    voirLeCoupdeLOrdiCherche(t.jeu, t.modele);
    using M = test::VueFactice::Message;
    EXPECT_EQ(t.vue.messages, (std::vector<M>{{",Échange de lettres.,,Aucun mouvement possible !,;", "résultat", false},
                                              {",Passe un tour.,,Aucun mouvement possible !,;", "résultat", false}}));
    EXPECT_EQ(t.lettresPosees(), "");
}

TEST_F(Voir, RefusedUnlessAHumanMayPlayAndTheUpdateIsOver) {
    t.semerPremierCoup();
    t.auChevalet(1, "tea");
    partie.drapeaux.miseAJourEnCours = 1;
    EXPECT_FALSE(voirCoupOrdinateur(t.jeu, t.modele));
    partie.drapeaux.miseAJourEnCours = 0;
    EntrerDansPhase(partie, Phase::echangeOuvert);
    EXPECT_FALSE(voirCoupOrdinateur(t.jeu, t.modele));
    EXPECT_TRUE(controles().menuVoir);
    EXPECT_TRUE(t.coups().empty());
}

TEST_F(Voir, TheListIsMadeOnceAndAClickLaysItsMove) {
    t.semerPremierCoup();
    t.auChevalet(1, "tea");
    EXPECT_TRUE(listerMots(t.jeu, t.modele));
    EXPECT_EQ(controles().memo1.size(), 5u);
    EXPECT_TRUE(controles().menuListeDeMot);
    t.modele.Candidats = {{"eta;FHGHHH", 6, {}}, {"te;GHHH", 4, {}}};
    EXPECT_FALSE(listerMots(t.jeu, t.modele));  // already shown: no new search
    EXPECT_EQ(t.coups().size(), 2u);

    choisirMotDeLaListe(t.jeu, t.modele, 1);
    EXPECT_EQ(t.lettresPosees(), "te");
    EXPECT_EQ(controles().epointsdutour, "4");
    EXPECT_TRUE(partie.ecran.surlignageSuggestion);
    choisirMotDeLaListe(t.jeu, t.modele, 2);
    EXPECT_EQ(t.lettresPosees(), "");

    // A play clears the list; the candidates of that search stay behind it.
    partie.fenetre.modifier([](EtatControles& e) { e.memo1.clear(); });
    choisirMotDeLaListe(t.jeu, t.modele, 0);
    EXPECT_EQ(t.lettresPosees(), "");

    partie.fenetre.modifier([](EtatControles& e) { e.memo1.resize(2); });
    partie.sieges.confierALOrdinateur(1, true);  // the cover clicked while the computer plays
    choisirMotDeLaListe(t.jeu, t.modele, 0);
    EXPECT_EQ(t.lettresPosees(), "");
}

}  // namespace
}  // namespace glyphane
