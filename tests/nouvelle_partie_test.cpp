#include "engine/nouvelle_partie.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "engine/tirage_ordre.h"
#include "tests/partie_de_test.h"

namespace glyphane {
namespace {

namespace fs = std::filesystem;

ChoixNoms noms(std::initializer_list<std::string> liste, std::initializer_list<int> ordinateurs = {},
               bool styleOuvert = true) {
    ChoixNoms choix;
    choix.ok = true;
    choix.styleOuvert = styleOuvert;
    int siege = 1;
    for (const std::string& nom : liste) choix.noms[siege++] = nom;
    for (const int s : ordinateurs) choix.ordinateur[s] = true;
    return choix;
}

// A restart comes during any turn: none of the turn's commands stays offered.
TEST(ReinitialiserPartie, LeavesNoCommandOfTheTurnBehind) {
    test::PartieDeTest t;
    t.commencer({"Alice", "Bob"});
    ASSERT_TRUE(t.partie.fenetre.copie().menuVoir);
    ReinitialiserPartie(t.jeu, true);
    const EtatControles e = t.partie.fenetre.copie();
    EXPECT_FALSE(e.menuListeDeMot || e.menuVoir || e.menuSauvegarde || e.jouer.visible);
}

TEST(NouvellePartie, GoingBackAsksTheNumberAgainUntilItIsOneToFour) {
    test::PartieDeTest t;
    ChoixNoms retour;
    retour.styleOuvert = false;  // the style box acts at once, even when going back
    t.vue.nombresDeJoueurs = {3, 0, 5, 2};
    t.vue.noms = {retour, noms({"Alice", "Bob"}, {}, false)};
    NouvellePartie(t.jeu);
    EXPECT_EQ(t.vue.nombresDemandes, 4);
    EXPECT_EQ(t.vue.nomsDemandes, (std::vector<int>{3, 2}));
    EXPECT_EQ(t.partie.sieges.nbJoueurs(), 2);
    EXPECT_EQ(t.partie.sieges.nom()[2], "Bob");
    EXPECT_EQ(t.partie.sieges.styleOuvert(), 0);
    EXPECT_EQ(t.partie.fenetre.copie().captionStyleb, "st&yle fermé");
    EXPECT_EQ(t.partie.deroulement.distributionFaite(), 1);
}

TEST(NouvellePartie, NamesGetTheirDefaultsComputerSeatsAndTheirLength) {
    test::PartieDeTest t;
    t.vue.nombresDeJoueurs = {4};
    t.vue.noms = {noms({"", "Zoé", "Bartholomew", "Éléonore!"}, {2})};
    NouvellePartie(t.jeu);
    const Partie& partie = t.partie;
    EXPECT_EQ(partie.sieges.nom(), (std::array<std::string, 5>{"", "Joueur 1", "Ordi 2", "Bartholo", "Éléonore"}));
    EXPECT_EQ(partie.sieges.estOrdinateur(), (std::array<std::uint8_t, 5>{0, 0, 1, 0, 0}));
}

TEST(TirageOrdre, OnePlayerDoesNotDraw) {
    test::PartieDeTest t;
    t.vue.tiragesOrdre = {true};
    t.vue.nombresDeJoueurs = {1};
    NouvellePartie(t.jeu);
    EXPECT_EQ(t.vue.tiragesOrdre.size(), 1u);
    EXPECT_EQ(t.vue.tiragesTermines, 0);
}

TEST(TirageOrdre, SeatsAreRenumberedByTheirLettersKeepingTheirComputerFlag) {
    int ordresChanges = 0;
    for (std::uint64_t graine = 1; graine <= 20; ++graine) {
        test::PartieDeTest t(graine);
        Partie& partie = t.partie;
        t.vue.tiragesOrdre = {true};
        t.vue.nombresDeJoueurs = {3};
        t.vue.noms = {noms({"Ana", "Bot", "Cyd"}, {2})};
        NouvellePartie(t.jeu);

        ASSERT_EQ(t.vue.siegesAuTirage, (std::vector<int>{1, 2, 3}));
        ASSERT_EQ(t.vue.lettresDuTirage.size(), 3u * tiragesParSiege);
        int precedente = 0;
        std::set<int> dejaTirees;
        for (std::size_t i = 0; i < t.vue.lettresDuTirage.size(); ++i) {
            const auto [siege, lettre] = t.vue.lettresDuTirage[i];
            EXPECT_EQ(siege, static_cast<int>(i / tiragesParSiege) + 1);
            EXPECT_TRUE(lettre >= 1 && lettre <= 26);
            EXPECT_NE(lettre, precedente);
            EXPECT_EQ(dejaTirees.count(lettre), 0u);
            precedente = lettre;
            if ((i + 1) % tiragesParSiege == 0) {
                EXPECT_EQ(t.vue.lettresFinales[siege], lettre);
                dejaTirees.insert(lettre);
            }
        }
        const std::array<std::string, 4> avant{"", "Ana", "Ordi 2", "Cyd"};
        for (int s = 1; s <= 3; ++s) {
            const int rang = t.vue.rangs[s];
            EXPECT_EQ(partie.sieges.nom()[rang], avant[s]);
            EXPECT_EQ(partie.sieges.estOrdinateur()[rang], s == 2 ? 1 : 0);
            for (int autre = 1; autre <= 3; ++autre) {
                EXPECT_EQ(t.vue.lettresFinales[autre] < t.vue.lettresFinales[s], t.vue.rangs[autre] < rang);
            }
        }
        if (partie.sieges.nom()[1] != "Ana") ++ordresChanges;
        EXPECT_EQ(partie.deroulement.coup(1).tirage.size(), 7u);  // the deal comes after the draw
    }
    EXPECT_GT(ordresChanges, 0);
}

TEST(ReinitialiserPartie, DeletesThisGamesWordFilesOnly) {
    test::PartieDeTest t;
    test::PartieDeTest autre;
    const fs::path temp = t.dossier() / "Recherches" / "temp";
    Jeu voisin(autre.trie, autre.vue, autre.hasard, autre.cadence, t.dossier());
    ASSERT_TRUE(t.jeu.temporaires.ecrire(8, "mot\r\n"));
    ASSERT_TRUE(voisin.temporaires.ecrire(8, "sel\r\n"));
    std::ofstream(t.dossier() / "Recherches" / "0008.gld") << "le\n";

    ReinitialiserPartie(t.jeu, false);
    std::string lu;
    EXPECT_FALSE(t.jeu.temporaires.lire(8, lu));
    ASSERT_TRUE(voisin.temporaires.lire(8, lu));
    EXPECT_EQ(lu, "sel\r\n");
    EXPECT_TRUE(fs::exists(t.dossier() / "Recherches" / "0008.gld"));
}

TEST(ReinitialiserPartie, AGameInProgressIsBackToNothing) {
    test::PartieDeTest t;
    test::CrochetsEnregistres crochets;
    Partie& partie = t.partie;
    t.commencer({"Alice", "Bob"});
    t.imposerChevalet("m?tsaie");
    t.vue.lettres = {'o'};
    t.jouer("m?ts;EHFHGHHH");
    jouerCoup(t.jeu);
    ouvrirEchangeOuPasser(t.jeu);
    ASSERT_EQ(partie.deroulement.score()[1], 8);
    partie.fenetre.modifier([](EtatControles& e) { e.captionEchange = captionPasser; });

    t.jeu.ordinateur = &crochets;
    ReinitialiserPartie(t.jeu, false);
    EXPECT_EQ(crochets.appels, std::vector<std::string>{"reinitialiser"});
    EXPECT_EQ(partie.plateau.grilleFixe(), Grille{});
    EXPECT_EQ(partie.plateau.LettreJeton()[jokerA], '?');
    EXPECT_EQ(partie.plateau.LettreJeton()[jokerB], '?');
    EXPECT_EQ(partie.deroulement.score(), (std::array<std::int32_t, 5>{}));
    EXPECT_EQ(partie.sac.jetonsDansSac(), nbJetons);
    EXPECT_EQ(partie.plateau.jetonsSurPlateau(), 0);
    EXPECT_EQ(partie.deroulement.numeroTour(), 0);
    EXPECT_EQ(partie.deroulement.joueurCourant(), 0);
    EXPECT_EQ(partie.deroulement.distributionFaite(), 0);
    EXPECT_TRUE(partie.deroulement.historique().empty());
    EXPECT_EQ(partie.sac.jetonJoue()[0], 1);
    for (int j = 1; j <= tailleChevalet; ++j) EXPECT_EQ(partie.chevalet.caseChevalet()[1][j], 0);
    for (int tuile = 1; tuile <= nbJetons; ++tuile) {
        EXPECT_EQ(partie.sac.jetonJoue()[tuile], 0);
        EXPECT_TRUE(partie.ecran.images[tuile].deplacable && !partie.ecran.images[tuile].visible);
        EXPECT_EQ(partie.ecran.images[tuile].left, -50);
    }
    const EtatControles e = partie.fenetre.copie();
    EXPECT_EQ(e.enbLettreDispo, "102");
    EXPECT_EQ(e.captionEchange, captionEchangerNouvellePartie);
    EXPECT_TRUE(e.commencer.visible && e.commencer.actif && e.menuChrono);
    EXPECT_FALSE(e.jouer.visible || e.nomJoueur[1].visible || e.sac.visible || e.recommencer.visible ||
                 e.okChangement.visible);
}

}  // namespace
}  // namespace glyphane
