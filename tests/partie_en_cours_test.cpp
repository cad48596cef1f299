#include "persist/partie_en_cours.h"

#include <gtest/gtest.h>
#include <iterator>

#include "engine/boutons.h"
#include "engine/messages.h"
#include "engine/regles.h"
#include "engine/tour.h"
#include "persist/chargement.h"
#include "persist/ecriture_sauvegarde.h"
#include "tests/lire_brut.h"
#include "tests/partie_de_test.h"
#include "tests/sans_privileges.h"
#include "tests/sauvegarde_de_test.h"

namespace glyphane {
namespace {

namespace fs = std::filesystem;
using test::PartieDeTest;
using Message = test::VueFactice::Message;

const Message endommagee{std::string(messages::sauvegardeEndommagee), std::string(messages::titreErreur)};
const Message echec{std::string(messages::sauvegardeEchouee), std::string(messages::titreErreur)};

// The statistics that end the file are for a human reader only.
std::string ceQueLeChargementLit(const std::string& contenu) { return contenu.substr(0, contenu.find("fin r")); }

// A game that keeps itself after every turn.
struct PartieGardee {
    PartieDeTest t;
    SauvegardeAutomatique sauvegarde{t.dossier(), t.vue};
    fs::path fichier = t.dossier() / "partie en cours.Glb";
    fs::path miseDeCote = t.dossier() / "partie en cours.endommagee.Glb";

    PartieGardee() { t.jeu.partieEnCours = &sauvegarde; }
    std::string ecrit() {
        sauvegarde.attendre();
        return test::lireBrut(fichier);
    }
};

// The file is a saved game of the game as it stands after every turn.
TEST(SauvegardeAutomatique, EveryTurnIsKeptUntilTheGameEndsAndTheGameIsTakenUpAsItStood) {
    PartieGardee g;
    Partie& partie = g.t.partie;
    g.t.commencer({"Alice", "Bob"});
    EXPECT_EQ(g.ecrit(), ContenuSauvegarde(partie));  // the deal replaces whatever was there
    g.t.imposerChevalet("motsela");
    g.t.jouer("mots;EHFHGHHH");
    EXPECT_EQ(g.ecrit(), ContenuSauvegarde(partie));
    ouvrirEchangeOuPasser(g.t.jeu);  // Bob exchanges a tile
    MettreALEchange(g.t.jeu, partie.chevalet.caseChevalet()[2][1]);
    validerEchange(g.t.jeu);
    const std::string apresLEchange = g.ecrit();
    EXPECT_EQ(apresLEchange, ContenuSauvegarde(partie));
    PoserTexteDeCoup(partie, "el;HIHJ");  // laid, not played: no turn is over
    EXPECT_EQ(g.ecrit(), apresLEchange);

    PartieDeTest reprise;  // the next start, from the same file
    fs::copy_file(g.fichier, reprise.dossier() / g.fichier.filename());
    const PartieInterrompue interrompue = ChercherPartieInterrompue(reprise.jeu);
    ASSERT_EQ(interrompue.etat, EtatReprise::aReprendre);
    ouvrirContenuSauvegarde(reprise.jeu, interrompue.contenu);
    EXPECT_EQ(ceQueLeChargementLit(ContenuSauvegarde(reprise.partie)), ceQueLeChargementLit(apresLEchange));
    EXPECT_EQ(reprise.partie.deroulement.joueurCourant(), 1);

    RetirerCoup(partie);
    g.t.viderLeSac();
    ouvrirEchangeOuPasser(g.t.jeu);  // both pass
    ouvrirEchangeOuPasser(g.t.jeu);
    ASSERT_EQ(partie.deroulement.partieFinie(), partieTerminee);
    g.sauvegarde.attendre();
    EXPECT_FALSE(fs::exists(g.fichier));
}

TEST(SauvegardeAutomatique, AFinishedGameIsNotOfferedAndADamagedFileIsToldThenSetAside) {
    PartieGardee g;
    g.t.commencer({"Alice"});
    FinDePartie(g.t.jeu, finSansMessage);
    g.sauvegarde.attendre();
    test::ecrireBrut(g.fichier, ContenuSauvegarde(g.t.partie));
    EXPECT_EQ(ChercherPartieInterrompue(g.t.jeu).etat, EtatReprise::aucune);
    EXPECT_TRUE(fs::exists(g.fichier));

    const std::string coupe = ContenuSauvegarde(g.t.partie).substr(0, 200);
    test::ecrireBrut(g.fichier, coupe);
    test::ecrireBrut(g.miseDeCote, "plus ancienne");
    g.t.vue.messages.clear();
    EXPECT_EQ(ChercherPartieInterrompue(g.t.jeu).etat, EtatReprise::endommagee);
    EXPECT_EQ(g.t.vue.messages, std::vector<Message>{endommagee});
    EXPECT_FALSE(fs::exists(g.fichier));
    EXPECT_EQ(test::lireBrut(g.miseDeCote), coupe);
}

// In the console nothing looks at the file before the first game writes it.
TEST(SauvegardeAutomatique, TheFirstWriteSetsADamagedFileAsideInsteadOfOverwritingIt) {
    PartieGardee g;
    test::ecrireBrut(g.fichier, "pas une sauvegarde");
    g.t.commencer({"Alice"});
    EXPECT_EQ(g.ecrit(), ContenuSauvegarde(g.t.partie));
    EXPECT_EQ(test::lireBrut(g.miseDeCote), "pas une sauvegarde");
}

// The whole game runs as an ordinary user: root writes anywhere, and the
// writing thread must be the child's own.
TEST(SauvegardeAutomatique, AFolderThatCannotBeWrittenIsToldOnceAndTheGamePlaysOn) {
    EXPECT_TRUE(test::sansPrivileges([] {
        PartieGardee g;
        Partie& partie = g.t.partie;
        g.t.commencer({"Alice", "Bob"});
        const std::string ancien = g.ecrit();
        fs::permissions(g.t.dossier(), fs::perms::owner_read | fs::perms::owner_exec);
        for (int tour = 1; tour <= 3; ++tour) {
            ouvrirEchangeOuPasser(g.t.jeu);
            MettreALEchange(g.t.jeu, partie.chevalet.caseChevalet()[partie.deroulement.joueurCourant()][1]);
            validerEchange(g.t.jeu);
        }
        const std::string apres = g.ecrit();
        const auto fichiers = std::distance(fs::directory_iterator(g.t.dossier()), fs::directory_iterator());
        return partie.deroulement.numeroTour() == 4 && g.t.vue.messages == std::vector<Message>{echec} &&
               apres == ancien && fichiers == 1;
    }));
}

}  // namespace
}  // namespace glyphane
