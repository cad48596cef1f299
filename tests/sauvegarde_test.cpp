#include "persist/sauvegarde.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "engine/affichage.h"
#include "engine/boutons.h"
#include "engine/messages.h"
#include "engine/regles.h"
#include "persist/chargement.h"
#include "persist/ecriture_sauvegarde.h"
#include "tests/partie_de_test.h"
#include "tests/sans_privileges.h"
#include "tests/sauvegarde_de_test.h"

namespace glyphane {
namespace {

namespace fs = std::filesystem;
using test::PartieDeTest;
using Message = test::VueFactice::Message;

void attendreMemePartie(const Partie& a, const Partie& b) {
    EXPECT_EQ(a.sieges.nbJoueurs(), b.sieges.nbJoueurs());
    EXPECT_EQ(a.deroulement.joueurCourant(), b.deroulement.joueurCourant());
    EXPECT_EQ(a.sieges.estOrdinateur(), b.sieges.estOrdinateur());
    EXPECT_EQ(a.sieges.nom(), b.sieges.nom());
    EXPECT_EQ(a.deroulement.score(), b.deroulement.score());
    EXPECT_EQ(a.deroulement.partieFinie(), b.deroulement.partieFinie());
    EXPECT_EQ(a.deroulement.numeroTour(), b.deroulement.numeroTour());
    EXPECT_EQ(a.sac.jetonsDansSac(), b.sac.jetonsDansSac());
    EXPECT_EQ(a.plateau.jetonsSurPlateau(), b.plateau.jetonsSurPlateau());
    EXPECT_EQ(a.plateau.LettreJeton(), b.plateau.LettreJeton());
    EXPECT_EQ(a.sac.jetonJoue(), b.sac.jetonJoue());
    EXPECT_EQ(a.plateau.grilleFixe(), b.plateau.grilleFixe());
    EXPECT_EQ(a.plateau.grilleJeu(), b.plateau.grilleJeu());
    EXPECT_EQ(a.chevalet.caseChevalet(), b.chevalet.caseChevalet());
    EXPECT_EQ(a.chevalet.caseOccupee(), b.chevalet.caseOccupee());
    EXPECT_EQ(a.chevalet.caseDuJeton(), b.chevalet.caseDuJeton());
    EXPECT_EQ(a.chevaletDuTour, b.chevaletDuTour);
    EXPECT_EQ(a.deroulement.tirageDistribution(), b.deroulement.tirageDistribution());
    for (std::int32_t k = 1; k < a.deroulement.numeroTour(); ++k) {
        const Coup &x = a.deroulement.historique()[k], &y = b.deroulement.historique()[k];
        EXPECT_TRUE(x.joueur == y.joueur && x.points == y.points && x.mot == y.mot && x.sens == y.sens &&
                    x.colonnes == y.colonnes && x.lignes == y.lignes && x.tirage == y.tirage)
            << "record " << k;
    }
    for (int t = 1; t <= nbJetons; ++t) {
        if (a.sac.jetonJoue()[t] == 0 && a.chevalet.caseDuJeton()[a.deroulement.joueurCourant()][t] == 0) continue;
        const ImageJeton &x = a.ecran.images[t], &y = b.ecran.images[t];
        EXPECT_TRUE(x.left == y.left && x.top == y.top && x.visible == y.visible && x.deplacable == y.deplacable)
            << "tile " << t;
    }
    EXPECT_EQ(a.grilleDernierCoup, b.grilleDernierCoup);
    const EtatControles e = a.fenetre.copie(), f = b.fenetre.copie();
    EXPECT_TRUE(e.enbLettreDispo == f.enbLettreDispo && e.captionEchange == f.captionEchange &&
                e.captionEjoueur == f.captionEjoueur && e.jouer.actif == f.jouer.actif &&
                e.menuSauvegarde == f.menuSauvegarde);
}

class Sauvegarde : public ::testing::Test {
protected:
    PartieDeTest t;
    Partie& partie = t.partie;
    fs::path chemin = t.dossier() / "partie.Glb";

    void SetUp() override { t.commencer({"Anaïs", "Bob"}); }

    void sauver(const fs::path& nom) {
        t.vue.fichiersSauvegarde = {nom.string()};
        sauvegarderPartie(t.jeu);
    }
    void charger(PartieDeTest& autre) {
        autre.vue.fichiersACharger = {chemin.string()};
        ouvrirPartieSauvegardee(autre.jeu);
    }
};

TEST_F(Sauvegarde, AGameSavedAndLoadedIsTheSameGameAndPlaysOnTheSame) {
    t.imposerChevalet("motsela");
    t.jouer("mots;EHFHGHHH");
    t.imposerChevalet("leetaus");
    t.jouer("el;HIHJ");
    t.imposerChevalet("salutes");
    AfficherChevalet(partie);
    sauver(chemin);

    PartieDeTest relue;
    charger(relue);
    EXPECT_TRUE(relue.vue.messages.empty());
    attendreMemePartie(partie, relue.partie);

    t.hasard = Hasard(std::uint64_t{3});
    relue.hasard = Hasard(std::uint64_t{3});
    t.jouer("a;IJ");
    relue.jouer("a;IJ");
    EXPECT_GT(partie.deroulement.score()[1], 0);
    attendreMemePartie(partie, relue.partie);
}

TEST_F(Sauvegarde, TilesLaidButNotPlayedOrMovedIntoAnExchangeComeBackOnTheRack) {
    t.imposerChevalet("motsela");
    PoserTexteDeCoup(partie, "mots;EHFHGHHH");
    PartieDeTest relue;
    ChargerPartie(relue.jeu, ContenuSauvegarde(partie));
    EXPECT_EQ(relue.partie.plateau.grilleJeu(), Grille{});
    EXPECT_EQ(relue.chevalet(1), "motsela");

    ouvrirEchangeOuPasser(t.jeu);
    ASSERT_TRUE(MettreALEchange(t.jeu, partie.chevalet.caseChevalet()[1][2]));
    PartieDeTest echange;
    ChargerPartie(echange.jeu, ContenuSauvegarde(partie));
    EXPECT_TRUE(echange.vue.messages.empty());
    EXPECT_EQ(echange.chevalet(1), "motsela");
}

TEST(SauvegardeSeule, OnePlayerAfterTheDealWritesOneSeatAndNoMove) {
    PartieDeTest t;
    t.commencer({"Solo"});
    const std::vector<std::string> l = test::lignesDe(ContenuSauvegarde(t.partie));
    ASSERT_EQ(l.size(), 37u);
    EXPECT_EQ(std::vector<std::string>(l.begin() + 1, l.begin() + 9),
              (std::vector<std::string>{"1", "1", "0", "0", "95", "1", "?", "?"}));
    EXPECT_EQ(l[10], "-1,-1,-1,-1,-1,-1,-1,");
    EXPECT_EQ(l[11], "Solo");
    EXPECT_EQ(l[13], l[14]);  // the deal is the first move's tirage
    EXPECT_EQ(l[30], "0");
    EXPECT_EQ(l[31], "fin r\xE9" "cup\xE9ration");
    EXPECT_EQ(l[36], "\t" + l[13]);
}

TEST_F(Sauvegarde, TheNameGetsTheExtensionUnlessItEndsInItExactly) {
    EXPECT_EQ(NomDeSauvegarde("partie"), "partie.Glb");
    EXPECT_EQ(NomDeSauvegarde("partie.Glb"), "partie.Glb");
    EXPECT_EQ(NomDeSauvegarde("partie.glb"), "partie.glb.Glb");
    EXPECT_EQ(NomDeSauvegarde("Glb"), "Glb.Glb");
    sauver(t.dossier() / "partie.glb");
    EXPECT_TRUE(fs::exists(t.dossier() / "partie.glb.Glb"));
    EXPECT_FALSE(fs::exists(t.dossier() / "partie.glb"));
}

TEST_F(Sauvegarde, NothingIsAskedOrWrittenWhileTheComputerIsToPlayOrWhenCancelled) {
    partie.sieges.confierALOrdinateur(1, true);
    sauver(chemin);
    EXPECT_EQ(t.vue.fichiersSauvegarde.size(), 1u);
    partie.sieges.confierALOrdinateur(1, false);
    t.vue.fichiersSauvegarde = {std::nullopt};
    sauvegarderPartie(t.jeu);
    EXPECT_FALSE(fs::exists(chemin));
    EXPECT_TRUE(partie.fenetre.copie().fenetreActive);
}

TEST_F(Sauvegarde, AnExistingFileIsReplacedOnlyOnceThePlayerAgrees) {
    test::ecrireBrut(chemin, "7.3.0.3 Fichier de sauvegarde\r\nune autre\r\n");
    t.vue.reponses = {Reponse::non};
    sauver(chemin);
    EXPECT_EQ(test::lireBrut(chemin), "7.3.0.3 Fichier de sauvegarde\r\nune autre\r\n");

    test::ecrireBrut(chemin, "mes notes\n");
    t.vue.reponses = {Reponse::oui};
    sauver(chemin);
    EXPECT_EQ(test::lireBrut(chemin), ContenuSauvegarde(partie));
    const std::string attention(messages::titreAttention);
    EXPECT_EQ(t.vue.messages, (std::vector<Message>{{std::string(messages::remplacerSauvegarde), attention, true},
                                                    {std::string(messages::remplacerAutreFichier), attention, true}}));
}

// A FIFO is no saved game: neither loading it nor asking whether to replace it
// waits for another program to write into it.
TEST_F(Sauvegarde, AFifoIsNeverWaitedOn) {
    ASSERT_EQ(mkfifo(chemin.c_str(), 0600), 0);
    PartieDeTest autre;
    charger(autre);
    EXPECT_EQ(autre.vue.messages, (std::vector<Message>{{std::string(messages::fichierInvalide),
                                                         std::string(messages::titreErreur)}}));
    t.vue.reponses = {Reponse::non};
    sauver(chemin);
    EXPECT_EQ(t.vue.messages.back(),
              (Message{std::string(messages::remplacerAutreFichier), std::string(messages::titreAttention), true}));
}

TEST_F(Sauvegarde, AFailedSaveLeavesTheOldFileAsItWasAndNothingBehind) {
    const std::string ancien = ContenuSauvegarde(partie);
    test::ecrireBrut(chemin, ancien);
    t.imposerChevalet("motsela");
    t.jouer("mots;EHFHGHHH");
    // The file itself stays writable: only a save that wrote into it first could harm it.
    fs::permissions(chemin, fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read |
                                fs::perms::others_write);
    const fs::path d = t.dossier();
    fs::permissions(d, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read | fs::perms::others_exec);
    EXPECT_TRUE(test::sansPrivileges([&] {
        sauver(chemin);
        const Message echec{std::string(messages::sauvegardeEchouee), std::string(messages::titreErreur)};
        return test::lireBrut(chemin) == ancien && t.vue.messages.back() == echec;
    }));
    fs::permissions(d, fs::perms::owner_all);

    // A folder of that name cannot be replaced by a file.
    fs::create_directory(t.dossier() / "dossier.Glb");
    sauver(t.dossier() / "dossier.Glb");
    EXPECT_TRUE(fs::is_directory(t.dossier() / "dossier.Glb"));
    for (const auto& entree : fs::directory_iterator(t.dossier())) {
        EXPECT_EQ(entree.path().filename().string().find(".sauvegarde"), std::string::npos) << entree.path();
    }
}

}  // namespace
}  // namespace glyphane
