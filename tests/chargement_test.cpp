#include "persist/chargement.h"

#include <gtest/gtest.h>

#include "engine/messages.h"
#include "persist/ecriture_sauvegarde.h"
#include "tests/partie_de_test.h"
#include "tests/sauvegarde_de_test.h"

namespace glyphane {
namespace {

using test::avec;
using test::colonne;
using test::fichier;
using test::sauvegardeALaMain;
using Message = test::VueFactice::Message;

TEST(ChargerPartie, AGameWrittenByHandIsResumedAndWrittenBackTheSame) {
    test::PartieDeTest t;
    ChargerPartie(t.jeu, fichier(sauvegardeALaMain()));
    const Partie& p = t.partie;

    // What the file holds is checked by writing it back, below; here, what the
    // loader derives from it.
    EXPECT_TRUE(t.vue.messages.empty());
    EXPECT_EQ(p.sieges.nom()[1], "Zoé");
    EXPECT_EQ(p.plateau.grilleJeu(), p.plateau.grilleFixe());
    EXPECT_EQ(t.chevalet(1), "ghibcdf");
    EXPECT_EQ(t.chevalet(2), "qjkmnop");

    // The committed tiles stand fixed on their squares, the racks in their slots.
    EXPECT_EQ(p.ecran.images[12].left, p.ecran.geometrie.gaucheCase(7));
    EXPECT_FALSE(p.ecran.images[12].deplacable);
    EXPECT_EQ(p.sac.jetonJoue()[12], 1);
    EXPECT_EQ(p.ecran.images[7].left, p.ecran.geometrie.gaucheChevalet(1));
    EXPECT_TRUE(p.ecran.images[7].visible);   // Zoé's rack
    EXPECT_FALSE(p.ecran.images[17].visible);  // Bob's

    // Bob's move is outlined, and Zoé may play.
    GrilleMarques dernier{};
    dernier[9][7] = true;
    EXPECT_EQ(p.grilleDernierCoup, dernier);
    const EtatControles e = p.fenetre.copie();
    EXPECT_EQ(e.enbLettreDispo, "84");
    EXPECT_EQ(e.captionEjoueur, "Zoé");
    EXPECT_TRUE(e.jouer.visible && e.jouer.actif && e.menuSauvegarde && e.fenetreActive);
    EXPECT_FALSE(e.commencer.visible || e.partieSauvegarder.visible);
    EXPECT_TRUE(e.cacheBoutonRevoir.visible);

    // The draws already made for Bob's next move are not part of what is read.
    std::vector<std::string> attendu = sauvegardeALaMain();
    attendu.back() = "\t";
    EXPECT_EQ(test::lignesDe(ContenuSauvegarde(p)), attendu);
}

// As after a new game's deal: the game is running, and may be restarted from
// the menu as with the button.
TEST(ChargerPartie, AResumedGameOffersTheRestartEntryFromItsFirstTurn) {
    test::PartieDeTest t;
    ChargerPartie(t.jeu, fichier(sauvegardeALaMain()));
    const EtatControles e = t.partie.fenetre.copie();
    EXPECT_TRUE(e.recommencer.visible && e.menuRecommencer);
}

void attendreSansPartie(const test::PartieDeTest& t, const std::string& message) {
    EXPECT_EQ(t.vue.messages, (std::vector<Message>{{message, std::string(messages::titreErreur)}}));
    const Partie& p = t.partie;
    EXPECT_EQ(p.deroulement.numeroTour(), 0);
    EXPECT_EQ(p.deroulement.distributionFaite(), 0);
    EXPECT_EQ(p.plateau.grilleFixe(), Grille{});
    EXPECT_EQ(p.chevalet.caseDuJeton(), Chevalet{}.caseDuJeton());
    EXPECT_EQ(p.plateau.LettreJeton()[jokerA], lettreInconnue);
    const EtatControles e = p.fenetre.copie();
    EXPECT_TRUE(e.commencer.visible && e.commencer.actif && e.partieSauvegarder.visible && e.fenetreActive);
}

TEST(ChargerPartie, EveryKindOfDamageIsToldAndNothingOfTheFileIsKept) {
    const std::size_t z = test::ligneChevaletZoe;
    const std::size_t p = test::lignePlateau;
    const std::string chevaletZoe = "4,2.5,3.6,4.7,6.1,7.2,8.3,";
    const std::vector<std::vector<std::string>> endommages = {
        avec(sauvegardeALaMain(), {{1, "un"}}), avec(sauvegardeALaMain(), {{1, "3"}}),
        avec(sauvegardeALaMain(), {{1, " 1"}}), avec(sauvegardeALaMain(), {{2, "0"}}),
        avec(sauvegardeALaMain(), {{2, "5"}}), avec(sauvegardeALaMain(), {{3, "5"}}),
        avec(sauvegardeALaMain(), {{4, "7"}}), avec(sauvegardeALaMain(), {{5, "103"}}),
        avec(sauvegardeALaMain(), {{5, "83"}}), avec(sauvegardeALaMain(), {{6, "0"}}),
        avec(sauvegardeALaMain(), {{6, "99999999"}}), avec(sauvegardeALaMain(), {{6, "99999999999999999999"}}),
        avec(sauvegardeALaMain(), {{7, "#"}}), avec(sauvegardeALaMain(), {{7, ""}}),
        avec(sauvegardeALaMain(), {{7, "?"}}),                      // blank on the board without a letter
        avec(sauvegardeALaMain(), {{13, "16"}}),                    // column past the board
        avec(sauvegardeALaMain(), {{31, "0"}}),                     // half a square
        avec(sauvegardeALaMain(), {{31, "1"}}),                     // an empty square
        avec(sauvegardeALaMain(), {{31, "8"}, {32, "8"}}),          // a square recorded twice
        avec(sauvegardeALaMain(), {{z, "8,2.5,3.6,4.7,6.1,7.2,8.3,9;"}}),
        avec(sauvegardeALaMain(), {{z, chevaletZoe + "103;"}}), avec(sauvegardeALaMain(), {{z, chevaletZoe + "0;"}}),
        avec(sauvegardeALaMain(), {{z, "4,2.4,3.6,4.7,6.1,7.2,8.3,9;"}}),  // a slot twice
        avec(sauvegardeALaMain(), {{z, "4,2.5,2.6,4.7,6.1,7.2,8.3,9;"}}),  // a tile twice
        avec(sauvegardeALaMain(), {{z, chevaletZoe + "9"}}), avec(sauvegardeALaMain(), {{z, chevaletZoe + "9;x"}}),
        avec(sauvegardeALaMain(), {{z, chevaletZoe + "9."}}), avec(sauvegardeALaMain(), {{z, ""}}),
        avec(sauvegardeALaMain(), {{z, chevaletZoe + "10;"}}),  // also in Bob's rack
        avec(sauvegardeALaMain(), {{z, chevaletZoe + "12;"}}),  // also on the board
        avec(sauvegardeALaMain(), {{z + 1, "-1,-1,-1,-1,-1,-1,"}}),
        avec(sauvegardeALaMain(), {{z + 1, "-1,-1,-1,-1,-1,-1,oui,"}}),
        avec(sauvegardeALaMain(), {{z + 3, "beaucoup"}}), avec(sauvegardeALaMain(), {{z + 3, "99999999"}}),
        avec(sauvegardeALaMain(), {{p, std::string(14, '\x19')}}),
        avec(sauvegardeALaMain(), {{p, std::string(16, '\x19')}}),
        avec(sauvegardeALaMain(), {{p, std::string(15, '\x18')}}),
        avec(sauvegardeALaMain(), {{p, std::string(15, '\x80')}}),
        avec(sauvegardeALaMain(), {{p, colonne({{1, 5}})}}),  // a tile on two squares
        avec(sauvegardeALaMain(), {{p, colonne({{1, 9}})}}),  // in a rack and on the board
    };
    for (std::size_t i = 0; i < endommages.size(); ++i) {
        SCOPED_TRACE("damaged file " + std::to_string(i));
        test::PartieDeTest t;
        ChargerPartie(t.jeu, fichier(endommages[i]));
        attendreSansPartie(t, std::string(messages::sauvegardeEndommagee));
    }
}

TEST(ChargerPartie, AFileCutAnywhereBeforeTheSeatKindsIsDamaged) {
    const std::vector<std::string> complet = sauvegardeALaMain();
    for (std::size_t n = 1; n < test::lignesLuesALaMain; ++n) {
        SCOPED_TRACE("lines kept: " + std::to_string(n));
        test::PartieDeTest t;
        ChargerPartie(t.jeu, fichier({complet.begin(), complet.begin() + static_cast<std::ptrdiff_t>(n)}));
        attendreSansPartie(t, std::string(messages::sauvegardeEndommagee));
    }
    test::PartieDeTest t;
    ChargerPartie(t.jeu, fichier({complet.begin(), complet.begin() + test::lignesLuesALaMain}));
    EXPECT_TRUE(t.vue.messages.empty());
}

TEST(ChargerPartie, AFileWithoutTheHeaderIsNotASave) {
    for (const std::string& contenu : {std::string(), std::string("7.3.0.3 Fichier de sauvegarde!\r\n1\r\n"),
                                      fichier(avec(sauvegardeALaMain(), {{0, "7.3.0.2 Fichier de sauvegarde"}}))}) {
        test::PartieDeTest t;
        ChargerPartie(t.jeu, contenu);
        attendreSansPartie(t, std::string(messages::fichierInvalide));
    }
}

}  // namespace
}  // namespace glyphane
