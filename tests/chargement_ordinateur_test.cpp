#include <gtest/gtest.h>

#include "ai/joueur_ordinateur.h"
#include "engine/nouvelle_partie.h"
#include "persist/chargement.h"
#include "persist/ecriture_sauvegarde.h"
#include "tests/mise_a_jour_de_test.h"
#include "tests/partie_de_test.h"
#include "tests/sauvegarde_de_test.h"

// A game in progress loaded with the computer player linked in: it rebuilds its
// possibilities from the board before anybody plays.
namespace glyphane {
namespace {

using test::MiseAJourDeTest;

int possibilitesFaites(const ModeleOrdinateur& modele) {
    int faites = 0;
    for (const auto& liste : modele.Possibilites) {
        for (const Possibilite& p : liste) faites += p.valide == 1 && p.numeroFichier >= 8 ? 1 : 0;
    }
    return faites;
}

void charger(MiseAJourDeTest& t, const std::string& contenu) {
    ReinitialiserPartie(t.jeu, false);
    ChargerPartie(t.jeu, contenu);
}

TEST(ChargementAvecOrdinateur, TheHumanGetsTheControlsOnceThePossibilitiesAreRebuilt) {
    MiseAJourDeTest t;
    JoueurOrdinateur joueur(t.jeu);
    charger(t, test::fichier(test::sauvegardeALaMain()));
    EXPECT_EQ(t.partie.drapeaux.miseAJourEnCours.load(), 0);
    const ModeleOrdinateur& modele = joueur.modeleOrdinateur();
    EXPECT_GT(possibilitesFaites(modele), 0);
    // The rows the search reads learnt the loaded board.
    EXPECT_EQ(modele.LignesLettres[1][8], "??????les??????");
    EXPECT_EQ(modele.LignesLettres[2][9], "??????as???????");
    EXPECT_EQ(modele.LignesChiffres[2][9], "xxxxxx01xxxxxxx");
    const EtatControles e = t.partie.fenetre.copie();
    EXPECT_FALSE(e.emiseajour.visible);
    EXPECT_TRUE(e.jouer.actif && e.fenetreActive);
}

TEST(ChargementAvecOrdinateur, TheComputerPlaysItsTurnAfterTheRebuild) {
    MiseAJourDeTest t;
    JoueurOrdinateur joueur(t.jeu);
    charger(t, test::fichier(test::avec(test::sauvegardeALaMain(), {{1, "2"}, {test::ligneOrdinateurBob, "-1"}})));
    joueur.attendreInactivite();
    EXPECT_EQ(t.partie.deroulement.numeroTour(), 4);
    EXPECT_EQ(t.partie.deroulement.joueurCourant(), 1);
    EXPECT_GT(possibilitesFaites(joueur.modeleOrdinateur()), 0);
}

TEST(ChargementAvecOrdinateur, AnEmptyBoardGetsTheFirstMoveRecords) {
    test::PartieDeTest seul;
    seul.commencer({"Solo"});
    MiseAJourDeTest t;
    JoueurOrdinateur joueur(t.jeu);
    charger(t, ContenuSauvegarde(seul.partie));
    EXPECT_EQ(t.partie.deroulement.numeroTour(), 1);
    EXPECT_EQ(t.partie.grilleDernierCoup, GrilleMarques{});
    EXPECT_EQ(joueur.modeleOrdinateur().Possibilites[7].size(), 7u);
    EXPECT_TRUE(t.partie.fenetre.copie().jouer.actif);
}

}  // namespace
}  // namespace glyphane
