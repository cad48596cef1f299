#include "ai/joueur_ordinateur.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <future>
#include <mutex>
#include <new>
#include <thread>
#include <vector>

#include "engine/affichage.h"
#include "tests/mise_a_jour_de_test.h"
#include "tests/recherche_de_test.h"

// Squares are (column, row); the centre is (8, 8).
namespace glyphane {
namespace {

using test::MiseAJourDeTest;
namespace fs = std::filesystem;

// What the turn controller does once a move is committed, the next human's
// controls waiting for the update.
void apresCoup(MiseAJourDeTest& t, int nbPoses) {
    EntrerDansPhase(t.partie, Phase::attenteMiseAJour);
    AfficherMiseAJour(t.partie, true);
    t.partie.drapeaux.miseAJourEnCours = 1;
    t.jeu.ordinateur->attendreFinMiseAJour();
    t.jeu.ordinateur->miseAJourApresCoup(nbPoses);
}

void attendreQue(const std::atomic<std::uint8_t>& drapeau) {
    while (drapeau.load() == 0) std::this_thread::yield();
}

// Every valid record made by an update has a file whose words fit its letters.
void verifierFichiers(const MiseAJourDeTest& t, const ModeleOrdinateur& modele) {
    for (const auto& liste : modele.Possibilites) {
        for (const Possibilite& p : liste) {
            if (p.valide != 1 || p.numeroFichier < premierFichierTemporaire) continue;
            const std::string mots = t.lire(p.numeroFichier);
            ASSERT_FALSE(mots.empty()) << p.motif;
            std::size_t debut = 0;
            for (std::size_t fin = mots.find("\r\n"); fin != std::string::npos; fin = mots.find("\r\n", debut)) {
                const std::string mot = mots.substr(debut, fin - debut);
                debut = fin + 2;
                ASSERT_EQ(mot.size(), p.motif == "?" ? 2 : p.motif.size()) << p.motif << " " << mot;
                for (std::size_t j = 0; j < p.motif.size(); ++j) {
                    EXPECT_TRUE(p.motif[j] == '?' || mot[j] == p.motif[j]) << p.motif << " " << mot;
                }
            }
        }
    }
}

TEST(JoueurOrdinateur, AMoveIsFollowedByTheUpdateAndTheControlsComeBack) {
    MiseAJourDeTest t;
    JoueurOrdinateur joueur(t.jeu, [](Jeu&, ModeleOrdinateur&) {});
    ASSERT_EQ(t.jeu.ordinateur, &joueur);
    joueur.reinitialiser(true);

    apresCoup(t, t.jouer("les", {7, 8}, Sens::horizontal));
    joueur.attendreInactivite();

    EXPECT_EQ(t.partie.drapeaux.miseAJourEnCours.load(), 0);
    std::size_t nouvelles = 0;
    for (const auto& liste : joueur.modeleOrdinateur().Possibilites) {
        for (const Possibilite& p : liste) {
            // Every first-move record covers the centre, now taken.
            EXPECT_TRUE(p.numeroFichier >= premierFichierTemporaire || p.valide == 0) << p.motif;
            if (p.numeroFichier >= premierFichierTemporaire) ++nouvelles;
        }
    }
    EXPECT_GT(nouvelles, 0u);
    EXPECT_EQ(joueur.modeleOrdinateur().compteurFichiers, static_cast<std::int32_t>(7 + nouvelles));
    verifierFichiers(t, joueur.modeleOrdinateur());
    for (const auto& liste : joueur.modeleOrdinateur().Segments) EXPECT_TRUE(liste.empty());
    const EtatControles e = t.partie.fenetre.copie();
    EXPECT_TRUE(e.jouer.actif);
    EXPECT_TRUE(e.echange.actif);
    EXPECT_FALSE(e.emiseajour.visible);
}

TEST(JoueurOrdinateur, ALoadedBoardIsRebuiltFromEveryOccupiedSquare) {
    MiseAJourDeTest t;
    JoueurOrdinateur joueur(t.jeu, [](Jeu&, ModeleOrdinateur&) {});
    joueur.reinitialiser(false);
    t.poser("les", {7, 8}, Sens::horizontal);
    t.poser("ta", {9, 9}, Sens::vertical);
    t.partie.drapeaux.miseAJourEnCours = 1;
    joueur.miseAJourApresChargement();
    joueur.attendreInactivite();
    EXPECT_EQ(t.partie.drapeaux.miseAJourEnCours.load(), 0);
    EXPECT_FALSE(joueur.modeleOrdinateur().Possibilites[1].empty());
    verifierFichiers(t, joueur.modeleOrdinateur());
}

TEST(JoueurOrdinateur, TurnsStartedFromATurnRunOneAfterAnotherOnOneThread) {
    MiseAJourDeTest t;
    std::vector<std::thread::id> fils;
    JoueurOrdinateur joueur(t.jeu, [&](Jeu& jeu, ModeleOrdinateur&) {
        fils.push_back(std::this_thread::get_id());
        // As the turn controller would from this thread: an update, then the
        // next computer seat.
        if (fils.size() == 2) {
            jeu.partie.drapeaux.miseAJourEnCours = 1;
            jeu.ordinateur->miseAJourApresCoup(t.jouer("te", {8, 8}, Sens::horizontal));
        }
        if (fils.size() < 5) jeu.ordinateur->demarrerTourOrdinateur();
    });
    joueur.reinitialiser(true);
    joueur.demarrerTourOrdinateur();
    joueur.attendreInactivite();

    ASSERT_EQ(fils.size(), 5u);
    for (const std::thread::id fil : fils) EXPECT_EQ(fil, fils.front());
    EXPECT_NE(fils.front(), std::this_thread::get_id());
    EXPECT_EQ(t.partie.drapeaux.miseAJourEnCours.load(), 0);
    EXPECT_GT(joueur.modeleOrdinateur().compteurFichiers, 7);
}

TEST(JoueurOrdinateur, ATurnThatThrowsIsReportedAndLeavesTheSeatFreeAndTheThreadRunning) {
    test::RechercheDeTest t;
    int tours = 0;
    JoueurOrdinateur joueur(t.jeu, [&](Jeu& jeu, ModeleOrdinateur&) {
        jeu.partie.drapeaux.ordiOccupe = 1;
        if (++tours == 1) throw std::bad_alloc();
    });
    joueur.demarrerTourOrdinateur();
    joueur.attendreInactivite();
    EXPECT_EQ(t.partie.drapeaux.ordiOccupe.load(), 0);
    EXPECT_EQ(t.vue.pannes.size(), 1u);
    joueur.demarrerTourOrdinateur();
    joueur.attendreInactivite();
    EXPECT_EQ(tours, 2);
}

TEST(JoueurOrdinateur, AStopDuringAnUpdateAbortsItAndLeavesTheFlagsDown) {
    MiseAJourDeTest t;
    std::promise<void> liberer;
    std::shared_future<void> libere = liberer.get_future().share();
    std::atomic<bool> bloque{false};
    t.vue.surActualisation = [&] {
        if (!bloque.exchange(true)) libere.wait();  // the update thread, before its first segment
    };
    JoueurOrdinateur joueur(t.jeu, [](Jeu&, ModeleOrdinateur&) {});
    joueur.reinitialiser(true);
    apresCoup(t, t.jouer("les", {7, 8}, Sens::horizontal));

    std::thread quitter([&] { joueur.arreter(); });
    attendreQue(t.partie.drapeaux.arretMiseAJour);
    liberer.set_value();
    quitter.join();

    EXPECT_EQ(t.partie.drapeaux.miseAJourEnCours.load(), 0);
    EXPECT_EQ(t.partie.drapeaux.ordiOccupe.load(), 0);
    EXPECT_EQ(t.partie.drapeaux.arretDemande.load(), 1);
    EXPECT_EQ(joueur.modeleOrdinateur().compteurFichiers, 7);
    EXPECT_FALSE(joueur.modeleOrdinateur().Segments[2].empty());
    EXPECT_FALSE(t.existe(8));
}

TEST(JoueurOrdinateur, AStopWaitsForTheComputersTurnAndDropsTheQueuedOnes) {
    MiseAJourDeTest t;
    std::promise<void> commence;
    int tours = 0;
    JoueurOrdinateur joueur(t.jeu, [&](Jeu& jeu, ModeleOrdinateur&) {
        if (++tours > 1) return;
        jeu.partie.drapeaux.ordiOccupe = 1;
        jeu.ordinateur->demarrerTourOrdinateur();
        commence.set_value();
        attendreQue(jeu.partie.drapeaux.arretDemande);
    });
    joueur.demarrerTourOrdinateur();
    commence.get_future().wait();
    joueur.arreter();

    EXPECT_EQ(tours, 1);
    EXPECT_EQ(t.partie.drapeaux.ordiOccupe.load(), 0);

    // Nothing starts again until a new game, which clears the stop flags first.
    joueur.demarrerTourOrdinateur();
    t.partie.drapeaux.miseAJourEnCours = 1;
    joueur.miseAJourApresCoup(t.jouer("le", {8, 8}, Sens::horizontal));
    joueur.attendreInactivite();
    EXPECT_EQ(tours, 1);
    EXPECT_EQ(t.partie.drapeaux.miseAJourEnCours.load(), 0);
    EXPECT_TRUE(joueur.modeleOrdinateur().Segments[2].empty());

    t.partie.drapeaux.arretDemande = 0;
    t.partie.drapeaux.arretMiseAJour = 0;
    joueur.reinitialiser(true);
    joueur.demarrerTourOrdinateur();
    joueur.attendreInactivite();
    EXPECT_EQ(tours, 2);
    EXPECT_EQ(joueur.modeleOrdinateur().Possibilites[7].size(), 7u);
}

TEST(JoueurOrdinateur, AWaitFromAnEarlierGameGivesNothingBack) {
    MiseAJourDeTest t(false);
    JoueurOrdinateur joueur(t.jeu, [](Jeu&, ModeleOrdinateur&) {});
    EntrerDansPhase(t.partie, Phase::attenteMiseAJour);
    t.partie.drapeaux.miseAJourEnCours = 1;
    joueur.attendreFinMiseAJour();
    joueur.reinitialiser(true);
    t.partie.drapeaux.miseAJourEnCours = 0;
    joueur.attendreInactivite();
    EXPECT_FALSE(t.partie.fenetre.copie().jouer.actif);
}

TEST(FilOrdinateur, AStopFromWithinEndsTheThreadAndLaterWorkStartsANewOne) {
    FilOrdinateur fil;
    std::vector<int> faits;
    fil.confier([&] {
        faits.push_back(1);
        fil.confier([&] { faits.push_back(2); });
        fil.arreter();  // from the thread itself: drops the queued work, no wait
    });
    fil.attendreInactif();
    fil.confier([&] { faits.push_back(3); });
    fil.attendreInactif();
    EXPECT_EQ(faits, (std::vector<int>{1, 3}));
}

TEST(JoueurOrdinateur, DestroyingItStopsARunningUpdate) {
    MiseAJourDeTest t;
    {
        JoueurOrdinateur joueur(t.jeu, [](Jeu&, ModeleOrdinateur&) {});
        joueur.reinitialiser(true);
        apresCoup(t, t.jouer("les", {7, 8}, Sens::horizontal));
    }
    EXPECT_EQ(t.jeu.ordinateur, nullptr);
    EXPECT_EQ(t.partie.drapeaux.miseAJourEnCours.load(), 0);
}

}  // namespace
}  // namespace glyphane
