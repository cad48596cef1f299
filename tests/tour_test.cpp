#include "engine/tour.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "engine/evaluation.h"
#include "engine/messages.h"
#include "engine/regles.h"
#include "engine/tirage.h"
#include "tests/partie_de_test.h"

// Squares are (column, row), rows A..O = 1..15; a move text gives the column
// letter then the row letter: "mots;EHFHGHHH" lays m o t s on row H, columns 5..8.
namespace glyphane {
namespace {

using Message = test::VueFactice::Message;

std::string lettres(const Partie& partie, const std::array<std::uint8_t, tailleChevalet + 1>& casiers, int de,
                    int a) {
    std::string texte;
    for (int j = de; j <= a; ++j) texte += partie.plateau.LettreJeton()[casiers[j]];
    return texte;
}

int valeurDuChevalet(const Partie& partie, int siege) {
    int valeur = 0;
    for (int j = 1; j <= tailleChevalet; ++j) valeur += ValeurJeton[partie.chevalet.caseChevalet()[siege][j]];
    return valeur;
}

TEST(TourSuivant, TheDealGivesSevenTilesToEachSeatAndRecordsThemAsTheirFirstRacks) {
    test::PartieDeTest t;
    t.commencer({"Alice", "Bob", "Chloé"});
    Partie& partie = t.partie;
    EXPECT_EQ(partie.deroulement.numeroTour(), 1);
    EXPECT_EQ(partie.deroulement.joueurCourant(), 1);
    EXPECT_EQ(partie.sac.jetonsDansSac(), nbJetons - 21);
    for (int s = 1; s <= 3; ++s) {
        EXPECT_EQ(t.chevalet(s).find('.'), std::string::npos);
        EXPECT_EQ(partie.deroulement.coup(s).tirage, t.chevalet(s)) << s;
    }
    const EtatControles e = partie.fenetre.copie();
    EXPECT_EQ(e.enbLettreDispo, "81");
    EXPECT_EQ(e.captionEjoueur, "Alice");
    EXPECT_TRUE(e.jouer.visible && e.jouer.actif && e.echange.actif);
    EXPECT_FALSE(e.commencer.visible);
    EXPECT_TRUE(e.nomJoueur[3].visible && !e.nomJoueur[4].visible);
    for (int j = 1; j <= tailleChevalet; ++j) {
        EXPECT_TRUE(partie.ecran.images[partie.chevalet.caseChevalet()[1][j]].visible);
    }
}

TEST(TourSuivant, TwoHumansScoreMovesThatTheHistoryAndTheComputersRowsRecord) {
    test::PartieDeTest t;
    test::CrochetsEnregistres crochets;
    t.jeu.ordinateur = &crochets;
    Partie& partie = t.partie;
    t.commencer({"Alice", "Bob"});
    t.imposerChevalet("motsaie");
    t.jouer("mots;EHFHGHHH");  // 5 points, doubled by the centre

    EXPECT_EQ(partie.deroulement.score()[1], 10);
    EXPECT_EQ(partie.deroulement.joueurCourant(), 2);
    EXPECT_EQ(partie.deroulement.numeroTour(), 2);
    EXPECT_EQ(partie.sac.jetonsDansSac(), nbJetons - 14 - 4);
    const Coup premier = partie.deroulement.coup(1);
    EXPECT_EQ(premier.points, "10");
    EXPECT_EQ(premier.mot, "mots");
    EXPECT_EQ(premier.sens, "2");
    EXPECT_EQ(premier.joueur, "Alice");
    EXPECT_EQ(premier.colonnes, (std::array<std::uint8_t, 8>{0, 5, 6, 7, 8, 0, 0, 0}));
    EXPECT_EQ(premier.lignes, (std::array<std::uint8_t, 8>{0, 8, 8, 8, 8, 0, 0, 0}));
    // Alice kept a, i, e in slots 5..7 and drew into slots 1..4.
    const auto& rackAlice = partie.chevalet.caseChevalet()[1];
    EXPECT_EQ(lettres(partie, rackAlice, 5, 7), "aie");
    EXPECT_EQ(partie.deroulement.coup(3).tirage, "aie+" + lettres(partie, rackAlice, 1, 4));
    EXPECT_EQ(crochets.modele.LignesLettres[1][8], "????mots???????");
    EXPECT_EQ(crochets.modele.LignesChiffres[1][8], "xxxx2111xxxxxxx");
    EXPECT_EQ(crochets.modele.LignesLettres[2][5], "???????m???????");
    EXPECT_TRUE(partie.ecran.surlignageDernierCoup);
    for (int x = 5; x <= 8; ++x) {
        const int jeton = partie.plateau.grilleFixe()[x][8];
        EXPECT_EQ(partie.sac.jetonJoue()[jeton], 1);
        EXPECT_FALSE(partie.ecran.images[jeton].deplacable);
        EXPECT_TRUE(partie.grilleDernierCoup[x][8]);
    }

    partie.drapeaux.miseAJourEnCours = 0;  // the update is over
    t.imposerChevalet("elruaie");
    t.jouer("el;HIHJ");  // "sel" down column 8, no premium
    EXPECT_EQ(partie.deroulement.score(), (std::array<std::int32_t, 5>{0, 10, 3, 0, 0}));
    EXPECT_EQ(partie.deroulement.coup(2).mot, "sel");
    EXPECT_EQ(partie.deroulement.coup(2).sens, "1");
    EXPECT_EQ(partie.deroulement.coup(2).joueur, "Bob");
    EXPECT_FALSE(partie.grilleDernierCoup[5][8]);  // only the latest move is marked
    EXPECT_TRUE(partie.grilleDernierCoup[8][10]);
    EXPECT_EQ(partie.deroulement.joueurCourant(), 1);
    EXPECT_EQ(partie.fenetre.copie().enbLettreDispo, std::to_string(nbJetons - 14 - 6));
    EXPECT_TRUE(t.vue.messages.empty());
}

TEST(TourSuivant, AMoveThatBreaksTheFirstMoveRulesLeavesEverythingAsItWas) {
    test::PartieDeTest t;
    t.commencer({"Alice", "Bob"});
    t.imposerChevalet("motsaie");
    t.jouer("mots;AAABACAD");
    EXPECT_EQ(t.vue.messages,
              (std::vector<Message>{{std::string(messages::caseCentrale), std::string(messages::titreMouvementIllegal)}}));
    EXPECT_EQ(t.partie.deroulement.numeroTour(), 1);
    EXPECT_EQ(t.partie.deroulement.joueurCourant(), 1);
    EXPECT_NE(t.partie.plateau.grilleJeu()[1][1], 0);  // the tiles stay where they were put
}

// A lone tile is condemned by its evaluation; once it is back on the rack,
// Jouer judges the empty board afresh.
TEST(TourSuivant, PlayingAfterTakingALoneTileBackAsksForTheCentre) {
    test::PartieDeTest t;
    t.commencer({"Alice", "Bob"});
    t.imposerChevalet("motsaie");
    ASSERT_TRUE(PoserTexteDeCoup(t.partie, "m;HH"));
    EvaluerCoup(t.partie);
    RetirerCoup(t.partie);
    EvaluerCoup(t.partie);
    jouerCoup(t.jeu);
    EXPECT_EQ(t.vue.messages,
              (std::vector<Message>{{std::string(messages::caseCentrale), std::string(messages::titreMouvementIllegal)}}));
}

TEST(Echange, GivesTilesBackWithoutChangingTheBagAndNeverDrawsThemStraightBack) {
    for (std::uint64_t graine = 1; graine <= 10; ++graine) {
        test::PartieDeTest t(graine);
        Partie& partie = t.partie;
        t.commencer({"Alice", "Bob"});
        const auto avant = partie.chevalet.caseChevalet()[1];
        ouvrirEchangeOuPasser(t.jeu);
        EXPECT_TRUE(partie.fenetre.copie().okChangement.visible);
        EXPECT_FALSE(partie.fenetre.copie().jouer.visible);
        for (int j = 1; j <= 3; ++j) ASSERT_TRUE(MettreALEchange(t.jeu, avant[j]));
        validerEchange(t.jeu);

        EXPECT_EQ(partie.sac.jetonsDansSac(), nbJetons - 14);
        EXPECT_EQ(partie.deroulement.joueurCourant(), 2);
        EXPECT_EQ(partie.deroulement.passe()[1], 0);
        const auto apres = partie.chevalet.caseChevalet()[1];
        const std::set<int> rendus{avant[1], avant[2], avant[3]};
        for (int j = 1; j <= 3; ++j) {
            EXPECT_EQ(rendus.count(apres[j]), 0u) << "seed " << graine;
            EXPECT_EQ(partie.chevalet.caseDuJeton()[1][apres[j]], j);
        }
        for (int j = 4; j <= tailleChevalet; ++j) EXPECT_EQ(apres[j], avant[j]);
        for (const int jeton : rendus) {
            for (int s = 1; s <= 2; ++s) EXPECT_EQ(partie.chevalet.caseDuJeton()[s][jeton], 0);
            EXPECT_EQ(partie.sac.jetonJoue()[jeton], 0);
        }
        EXPECT_EQ(partie.deroulement.coup(3).tirage, lettres(partie, avant, 4, 7) + "+" + lettres(partie, apres, 1, 3));
        EXPECT_TRUE(partie.fenetre.copie().echange.visible);
    }
}

// The move put down before the exchange was opened is off the board, and so
// are its points.
TEST(Echange, CancellingPutsTheRackBackAndKeepsTheTurn) {
    test::PartieDeTest t;
    Partie& partie = t.partie;
    t.commencer({"Alice", "Bob"});
    t.imposerChevalet("motsaie");
    const auto avant = partie.chevalet.caseChevalet()[1];
    PoserTexteDeCoup(partie, "mots;EHFHGHHH");
    EvaluerCoup(partie);
    ASSERT_NE(partie.fenetre.copie().epointsdutour, "0");
    ouvrirEchangeOuPasser(t.jeu);
    ASSERT_TRUE(MettreALEchange(t.jeu, avant[6]));
    annulerEchange(t.jeu);
    EXPECT_EQ(partie.nbJetonsEchanges, 0);
    EXPECT_EQ(partie.deroulement.joueurCourant(), 1);
    EXPECT_EQ(partie.plateau.grilleJeu(), partie.plateau.grilleFixe());
    for (int j = 1; j <= tailleChevalet; ++j) {
        EXPECT_EQ(partie.chevalet.caseDuJeton()[1][avant[j]], j);
        EXPECT_TRUE(partie.ecran.images[avant[j]].visible);
    }
    const EtatControles e = partie.fenetre.copie();
    EXPECT_FALSE(e.okChangement.visible || e.annulerEchange.visible || e.eechange.visible);
    EXPECT_TRUE(e.echange.visible && e.jouer.visible);
    EXPECT_EQ(e.epointsdutour, "0");
    EXPECT_EQ(partie.pointsDuCoup, 0);
}

TEST(Echange, TheTilesLeftOnTheBoardScoreNothingOnceTheExchangeIsConfirmed) {
    test::PartieDeTest t;
    Partie& partie = t.partie;
    t.commencer({"Alice", "Bob"});
    t.imposerChevalet("motsaie");
    PoserTexteDeCoup(partie, "mots;EHFHGHHH");
    EvaluerCoup(partie);
    ouvrirEchangeOuPasser(t.jeu);
    ASSERT_TRUE(MettreALEchange(t.jeu, partie.chevalet.caseChevalet()[1][6]));
    validerEchange(t.jeu);
    EXPECT_EQ(partie.deroulement.joueurCourant(), 2);
    EXPECT_EQ(partie.fenetre.copie().epointsdutour, "0");
}

TEST(FinParPasses, EverySeatPassingWithAnEmptyBagEndsTheGameWithoutAdjustment) {
    test::PartieDeTest t;
    Partie& partie = t.partie;
    t.commencer({"Alice", "Bob"});
    partie.fenetre.modifier([](EtatControles& e) { e.chronoParTour = e.chronoTotal = true; });
    t.imposerChevalet("motsela");
    t.viderLeSac();
    t.jouer("mots;EHFHGHHH");
    EXPECT_EQ(partie.fenetre.copie().captionEchange, captionPasser);

    ouvrirEchangeOuPasser(t.jeu);       // Bob passes
    t.jouer("el;HIHJ");        // Alice scores: the passes so far no longer count
    EXPECT_EQ(partie.deroulement.passe(), (std::array<std::uint8_t, 5>{}));
    ouvrirEchangeOuPasser(t.jeu);       // Bob passes
    EXPECT_NE(partie.deroulement.partieFinie(), partieTerminee);
    ouvrirEchangeOuPasser(t.jeu);       // Alice passes
    EXPECT_EQ(partie.deroulement.partieFinie(), partieTerminee);
    EXPECT_EQ(partie.deroulement.score(), (std::array<std::int32_t, 5>{0, 13, 0, 0, 0}));
    EXPECT_EQ(t.vue.messages,
              (std::vector<Message>{{std::string(messages::aucunMouvement), std::string(messages::titreGlyphane)}}));
    EXPECT_EQ(partie.limiteRevoir, partie.deroulement.numeroTour());
    const EtatControles e = partie.fenetre.copie();
    EXPECT_TRUE(e.ejoueur.visible && e.commencer.visible && e.pointsDuTour.visible);
    EXPECT_FALSE(e.jouer.visible || e.cacheLettres.visible || e.chronoParTour || e.chronoTotal);

    ouvrirEchangeOuPasser(t.jeu);  // a finished game ignores the buttons
    jouerCoup(t.jeu);
    EXPECT_EQ(t.vue.messages.size(), 1u);
}

TEST(FinDePartie, APlayerWhoUsesTheLastTileGainsTheOtherRacks) {
    test::PartieDeTest t;
    Partie& partie = t.partie;
    t.commencer({"Alice", "Bob"});
    t.imposerChevalet("motsel");
    t.viderLeSac();
    t.jouer("mots;EHFHGHHH");
    ouvrirEchangeOuPasser(t.jeu);  // Bob passes
    const int resteBob = valeurDuChevalet(partie, 2);
    ASSERT_GT(resteBob, 0);
    t.jouer("el;HIHJ");
    EXPECT_EQ(partie.deroulement.partieFinie(), partieTerminee);
    EXPECT_EQ(partie.deroulement.score()[1], 13 + resteBob);
    EXPECT_EQ(partie.deroulement.score()[2], -resteBob);
    EXPECT_EQ(t.vue.messages,
              (std::vector<Message>{{std::string(messages::vousTerminez), std::string(messages::titreGlyphane)}}));
}

TEST(TourSuivant, ALongGameOfExchangesKeepsEveryCounterAndRecord) {
    test::PartieDeTest t;
    Partie& partie = t.partie;
    t.commencer({"Alice", "Bob"});
    constexpr int tours = 600;  // well past what a byte can count
    for (int n = 0; n < tours; ++n) {
        ouvrirEchangeOuPasser(t.jeu);
        ASSERT_TRUE(MettreALEchange(t.jeu, partie.chevalet.caseChevalet()[partie.deroulement.joueurCourant()][1]));
        validerEchange(t.jeu);
    }
    EXPECT_EQ(partie.deroulement.numeroTour(), tours + 1);
    EXPECT_EQ(partie.sac.jetonsDansSac(), nbJetons - 14);
    EXPECT_EQ(partie.deroulement.joueurCourant(), 1);
    EXPECT_EQ(partie.nbJetonsEchanges, 0);
    for (int n = 3; n <= tours + 2; ++n) {
        ASSERT_EQ(partie.deroulement.coup(n).tirage.size(), 8u) << n;  // six kept, "+", one drawn
        ASSERT_EQ(partie.deroulement.coup(n).tirage[6], '+');
    }
    for (int s = 1; s <= 2; ++s) EXPECT_EQ(t.chevalet(s).find('.'), std::string::npos);
}

TEST(TourSuivant, HandsTheUpdateAndTheComputersTurnToTheComputerPlayer) {
    test::PartieDeTest t;
    test::CrochetsEnregistres crochets;
    t.jeu.ordinateur = &crochets;
    Partie& partie = t.partie;
    t.commencer({"Alice", "Bob", "Chloé"});
    EXPECT_EQ(crochets.appels, std::vector<std::string>{"reinitialiser modeles"});
    crochets.modele.Possibilites[2].push_back({});  // a seed: a human's first move drops it

    t.imposerChevalet("motsaie");
    t.jouer("mots;EHFHGHHH");
    EXPECT_EQ(crochets.appels, (std::vector<std::string>{"reinitialiser modeles", "miseAJour 4"}));
    EXPECT_EQ(partie.drapeaux.miseAJourEnCours.load(), 1);
    EXPECT_TRUE(partie.fenetre.copie().emiseajour.visible);
    EXPECT_TRUE(crochets.modele.Possibilites[2].empty());

    partie.drapeaux.miseAJourEnCours = 0;  // the update is over
    partie.sieges.confierALOrdinateur(3, true);
    crochets.appels.clear();
    t.imposerChevalet("elaaiie");
    t.jouer("el;HIHJ");
    EXPECT_EQ(crochets.appels, (std::vector<std::string>{"attendre", "miseAJour 2", "ordinateur"}));
    EXPECT_FALSE(partie.fenetre.copie().jouer.actif);
}

// In open style the turn buttons come on while the update still runs, when the
// evaluation judges nothing: a play pressed then waits for the update's end,
// the turn's commands off meanwhile (a search would take the move's tiles
// back), and is judged afterwards.
TEST(jouerCoup, APlayPressedDuringTheUpdateWaitsForItsEnd) {
    test::PartieDeTest t;
    test::CrochetsEnregistres crochets;
    t.jeu.ordinateur = &crochets;
    Partie& partie = t.partie;
    t.commencer({"Alice", "Bob"});
    t.imposerChevalet("motsaie");
    t.jouer("mots;EHFHGHHH");
    ASSERT_EQ(partie.drapeaux.miseAJourEnCours.load(), 1);
    ASSERT_TRUE(partie.fenetre.copie().jouer.actif);

    std::vector<bool> boutonsPendantLAttente;
    t.vue.pendantLesEvenements = [&] {
        const EtatControles e = partie.fenetre.copie();
        boutonsPendantLAttente.push_back(e.jouer.actif || e.echange.actif || e.menuListeDeMot || e.menuVoir);
        if (boutonsPendantLAttente.size() == 3) partie.drapeaux.miseAJourEnCours = 0;
    };
    t.imposerChevalet("elaaiie");
    t.jouer("el;HIHJ");  // "sel" down from the s

    EXPECT_EQ(boutonsPendantLAttente, std::vector<bool>(3, false));
    EXPECT_EQ(partie.deroulement.score()[2], 3);
    EXPECT_EQ(partie.deroulement.joueurCourant(), 1);
    EXPECT_TRUE(t.vue.messages.empty());
}

TEST(jouerCoup, AStopDuringTheWaitLeavesTheMoveUnplayed) {
    test::PartieDeTest t;
    test::CrochetsEnregistres crochets;
    t.jeu.ordinateur = &crochets;
    Partie& partie = t.partie;
    t.commencer({"Alice", "Bob"});
    t.imposerChevalet("motsaie");
    t.jouer("mots;EHFHGHHH");

    t.vue.pendantLesEvenements = [&] { partie.drapeaux.arretDemande = 1; };
    t.imposerChevalet("elaaiie");
    t.jouer("el;HIHJ");
    EXPECT_EQ(partie.deroulement.joueurCourant(), 2);
    EXPECT_EQ(partie.deroulement.score()[2], 0);
    EXPECT_NE(partie.plateau.grilleJeu()[8][9], 0);
    EXPECT_EQ(partie.plateau.grilleFixe()[8][9], 0);
    EXPECT_TRUE(t.vue.messages.empty());
    EXPECT_FALSE(partie.fenetre.copie().jouer.actif);  // the restart sets the controls
}

TEST(TourSuivant, WithoutAComputerPlayerAComputerSeatWaitsAndNoUpdateStarts) {
    test::PartieDeTest t;
    Partie& partie = t.partie;
    t.commencer({"Alice", "Bob"});
    partie.sieges.confierALOrdinateur(2, true);
    t.imposerChevalet("motsaie");
    t.jouer("mots;EHFHGHHH");
    EXPECT_EQ(partie.deroulement.joueurCourant(), 2);
    EXPECT_EQ(partie.drapeaux.miseAJourEnCours.load(), 0);
    const EtatControles e = partie.fenetre.copie();
    EXPECT_TRUE(e.jouer.visible);
    EXPECT_FALSE(e.jouer.actif || e.echange.actif || e.emiseajour.visible);
}

TEST(AfficherChevalet, ClosedStyleCoversAHumansRackAndHidesTheComputers) {
    test::PartieDeTest t;
    Partie& partie = t.partie;
    t.commencer({"Alice", "Bob"}, false);
    EtatControles e = partie.fenetre.copie();
    EXPECT_TRUE(e.cacheLettres.visible);
    EXPECT_EQ(e.captionCacheLettres, captionCacheHumain);
    EXPECT_FALSE(e.jouer.actif || e.echange.actif || e.menuListeDeMot);
    EXPECT_TRUE(e.menuSauvegarde);

    decouvrirChevalet(t.jeu);
    e = partie.fenetre.copie();
    EXPECT_FALSE(e.cacheLettres.visible);
    EXPECT_TRUE(e.jouer.actif && e.echange.actif && e.menuListeDeMot && e.menuVoir);

    partie.sieges.confierALOrdinateur(2, true);
    t.imposerChevalet("motsaie");
    t.jouer("mots;EHFHGHHH");
    e = partie.fenetre.copie();
    EXPECT_EQ(e.captionCacheLettres, captionCacheOrdinateur);
    EXPECT_EQ(e.captionEjoueur, "Bob");
    for (int j = 1; j <= tailleChevalet; ++j) {
        EXPECT_FALSE(partie.ecran.images[partie.chevalet.caseChevalet()[2][j]].visible);
    }
    decouvrirChevalet(t.jeu);  // the computer's cover is not for clicking
    EXPECT_TRUE(partie.fenetre.copie().cacheLettres.visible);
}

TEST(StyleDeJeu, ChangingTheStyleTogglesItAndItsCaptions) {
    test::PartieDeTest t;
    Partie& partie = t.partie;
    changerStyle(partie);
    EtatControles e = partie.fenetre.copie();
    EXPECT_EQ(partie.sieges.styleOuvert(), 0);
    EXPECT_EQ(e.captionStyleb, "st&yle fermé");
    EXPECT_EQ(e.captionStyleDeJeu, "Style Fermé");
    changerStyle(partie);
    e = partie.fenetre.copie();
    EXPECT_EQ(partie.sieges.styleOuvert(), 1);
    EXPECT_EQ(e.captionStyleb, "st&yle ouvert");
    EXPECT_EQ(e.captionStyleDeJeu, "Style Ouvert");
}

}  // namespace
}  // namespace glyphane
