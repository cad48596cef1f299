#include "ai/creati_poss.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ai/invalidation.h"
#include "ai/modeles_premier_coup.h"
#include "engine/affichage.h"
#include "tests/mise_a_jour_de_test.h"

namespace glyphane {
namespace {

using test::cases;
using test::MiseAJourDeTest;
using test::possibilite;
using test::segment;
namespace fs = std::filesystem;

// "??@7-8#8": letters, columns of the free squares on row H, file number.
std::vector<std::string> modeles(const ModeleOrdinateur& modele) {
    std::vector<std::string> textes;
    for (const auto& liste : modele.Possibilites) {
        for (const Possibilite& p : liste) {
            bool ligneH = p.valide == 1;
            for (const std::uint8_t l : p.lignes) ligneH = ligneH && l == 8;
            textes.push_back(p.motif + "@" + std::to_string(p.colonnes.front()) + "-" +
                             std::to_string(p.colonnes.back()) + "#" + std::to_string(p.numeroFichier) +
                             (ligneH ? "" : " ?"));
        }
    }
    return textes;
}

void commencerMiseAJour(MiseAJourDeTest& t) {
    AfficherMiseAJour(t.partie, true);
    t.partie.drapeaux.miseAJourEnCours = 1;
}

void attendreFinAffichee(const MiseAJourDeTest& t) {
    const EtatControles e = t.partie.fenetre.copie();
    EXPECT_EQ(t.partie.drapeaux.miseAJourEnCours.load(), 0);
    EXPECT_FALSE(e.emiseajour.visible);
    EXPECT_EQ(e.progression, 0);
}

TEST(ModelesPremierCoup, RowHAroundTheCentreFromTheWholeLengthFiles) {
    ModeleOrdinateur modele;
    modele.compteurFichiers = 300;
    modele.Segments[3].push_back(test::segment("a??", {{2, 2}, {3, 2}}));
    NoterDansLesMotifs(modele, 8, 8, 'e', 1);
    ReinitialiserModeleOrdinateur(modele, true);
    EXPECT_EQ(modeles(modele),
              (std::vector<std::string>{"??@7-8#2", "???@6-8#3", "????@5-8#4", "?????@4-8#5", "?????@8-12#5",
                                        "??????@3-8#6", "??????@4-9#6", "??????@7-12#6", "??????@8-13#6",
                                        "???????@2-8#7", "???????@3-9#7", "???????@4-10#7", "???????@5-11#7",
                                        "???????@6-12#7", "???????@7-13#7", "???????@8-14#7"}));
    EXPECT_EQ(modele.compteurFichiers, 7);
    EXPECT_TRUE(modele.Segments[3].empty());
    EXPECT_EQ(modele.LignesLettres[1][8], "???????????????");
    EXPECT_EQ(modele.LignesChiffres[2][8], "xxxxxxxxxxxxxxx");

    ReinitialiserModeleOrdinateur(modele, false);
    EXPECT_TRUE(modeles(modele).empty());
}

TEST(CreatiPoss, ListsAreBuiltInTheOrderSevenOneTwoToSix) {
    MiseAJourDeTest t;
    t.modele.Segments[3].push_back(segment("???", cases({1, 3}, 3, Sens::horizontal)));
    t.modele.Segments[2].push_back(segment("??", cases({1, 2}, 2, Sens::horizontal), "1s,2a,"));
    t.modele.Segments[2].push_back(segment("z??", cases({2, 4}, 2, Sens::horizontal)));  // nothing fits
    t.modele.Segments[1].push_back(segment("?", {{1, 1}}));
    t.modele.Segments[7].push_back(segment("???????", cases({1, 5}, 7, Sens::horizontal)));
    commencerMiseAJour(t);

    creatiPoss(t.jeu, t.modele);

    EXPECT_EQ(t.modele.Possibilites[7].at(0).numeroFichier, 8);
    EXPECT_EQ(t.modele.Possibilites[1].at(0).numeroFichier, 9);
    EXPECT_EQ(t.modele.Possibilites[2].size(), 1u);
    EXPECT_EQ(t.modele.Possibilites[2].at(0).numeroFichier, 10);
    EXPECT_EQ(t.modele.Possibilites[3].at(0).numeroFichier, 11);
    EXPECT_EQ(t.modele.compteurFichiers, 11);
    EXPECT_EQ(t.lire(8), "salades\r\n");
    EXPECT_EQ(t.lire(10), "as\r\nes\r\net\r\n");
    const Possibilite& deux = t.modele.Possibilites[2][0];
    EXPECT_EQ(deux.motif, "??");
    EXPECT_EQ(deux.valide, 1);
    EXPECT_EQ(deux.lignes, (std::vector<std::uint8_t>{2, 2}));
    EXPECT_EQ(deux.colonnes, (std::vector<std::uint8_t>{1, 2}));
    for (const auto& liste : t.modele.Segments) EXPECT_TRUE(liste.empty());
    EXPECT_EQ(t.partie.fenetre.copie().progressionMax, 5 + 7);
    attendreFinAffichee(t);
}

TEST(CreatiPoss, AnEarlierRecordOfTheSameSegmentIsSuperseded) {
    MiseAJourDeTest t;
    const auto libres = cases({4, 4}, 2, Sens::horizontal);
    t.modele.Possibilites[2].push_back(possibilite("??", libres, 8));
    t.modele.Possibilites[2].push_back(possibilite("??e", libres, 9));  // other letters
    t.modele.Possibilites[2].push_back(possibilite("??", cases({4, 5}, 2, Sens::horizontal), 10));
    t.ecrireTemporaire(8, "as\r\n");
    t.modele.compteurFichiers = 10;
    // No word fits the new segment any more: the old record goes all the same.
    t.modele.Segments[2].push_back(segment("??", libres, "1z,"));
    commencerMiseAJour(t);

    creatiPoss(t.jeu, t.modele);

    const auto& deux = t.modele.Possibilites[2];
    ASSERT_EQ(deux.size(), 3u);
    EXPECT_EQ(deux[0].valide, 0);
    EXPECT_TRUE(t.existe(8));  // until the next covered-square clean-up
    EXPECT_EQ(deux[1].valide, 1);
    EXPECT_EQ(deux[2].valide, 1);
}

TEST(CreatiPoss, PastTheLastFileNumberNoOtherPossibilitysFileIsOverwritten) {
    MiseAJourDeTest t;
    t.modele.compteurFichiers = dernierFichierTemporaire;
    t.modele.Possibilites[1].push_back(possibilite("?", {{9, 9}}, dernierFichierTemporaire));
    t.modele.Possibilites[1].push_back(possibilite("?", {{1, 1}}, 8));
    t.ecrireTemporaire(8, "la\r\n");
    t.modele.Segments[1].push_back(segment("?", {{1, 1}}));
    commencerMiseAJour(t);
    creatiPoss(t.jeu, t.modele);

    // The record after a high number is still superseded; the new file takes a
    // number that no record holds.
    auto& un = t.modele.Possibilites[1];
    ASSERT_EQ(un.size(), 3u);
    EXPECT_EQ(un[1].valide, 0);
    EXPECT_EQ(un[2].numeroFichier, 9);
    EXPECT_EQ(t.lire(8), "la\r\n");

    // Its file deleted, the old record lets its number go for good: the next
    // file may take it, and a later clean-up of invalid records leaves it be.
    InvaliderCasesCouvertes(t.jeu, t.modele);
    EXPECT_EQ(un[1].numeroFichier, aucunFichier);
    t.modele.Segments[1].push_back(segment("?", {{2, 2}}));
    commencerMiseAJour(t);
    creatiPoss(t.jeu, t.modele);
    ASSERT_EQ(un.size(), 4u);
    EXPECT_EQ(un[3].numeroFichier, 8);
    InvaliderCasesCouvertes(t.jeu, t.modele);
    EXPECT_TRUE(t.existe(8));
    EXPECT_EQ(un[3].valide, 1);
}

TEST(CreatiPoss, AStopRequestEndsTheUpdateBeforeTheNextSegment) {
    for (const bool miseAJourSeule : {true, false}) {
        MiseAJourDeTest t;
        for (int y = 1; y <= 15; ++y) t.modele.Segments[1].push_back(segment("?", {{1, y}}));
        for (int y = 1; y <= 15; ++y) t.modele.Segments[1].push_back(segment("?", {{2, y}}));
        commencerMiseAJour(t);
        int actualisations = 0;
        auto& arret = miseAJourSeule ? t.partie.drapeaux.arretMiseAJour : t.partie.drapeaux.arretDemande;
        t.vue.surActualisation = [&] {
            if (++actualisations == 2) arret = 1;
        };

        creatiPoss(t.jeu, t.modele);

        const std::size_t faites = t.modele.Possibilites[1].size();
        EXPECT_GT(faites, 0u);
        EXPECT_LT(faites, 30u);
        EXPECT_EQ(t.modele.compteurFichiers, static_cast<std::int32_t>(7 + faites));
        EXPECT_EQ(t.modele.Segments[1].size(), 30u);  // kept on a stop
        attendreFinAffichee(t);
    }
}

TEST(RendreCommandesApresMiseAJour, AHumanWaitingGetsTheTurnControlsUnlessTheRackIsCovered) {
    struct Cas {
        bool ordinateur;
        Phase phase;
        bool rendues;
    };
    for (const Cas cas : {Cas{false, Phase::attenteMiseAJour, true}, Cas{false, Phase::chevaletCache, false},
                          Cas{true, Phase::ordinateurJoue, false}}) {
        MiseAJourDeTest t(false);
        t.partie.sieges.confierALOrdinateur(1, cas.ordinateur);
        t.partie.sieges.choisirStyle(false);
        EntrerDansPhase(t.partie, cas.phase);
        AfficherMiseAJour(t.partie, true);

        RendreCommandesApresMiseAJour(t.jeu, siegeEnAttente(t.partie));

        const EtatControles e = t.partie.fenetre.copie();
        EXPECT_EQ(e.echange.actif, cas.rendues);
        EXPECT_EQ(e.jouer.actif, cas.rendues);
        EXPECT_EQ(e.menuListeDeMot, cas.rendues);
        EXPECT_EQ(e.menuVoir, cas.rendues);
        EXPECT_FALSE(e.emiseajour.visible);
    }
}

TEST(RendreCommandesApresMiseAJour, TheLabelOfAnUpdateStartedMeanwhileStays) {
    MiseAJourDeTest t(false);
    commencerMiseAJour(t);
    RendreCommandesApresMiseAJour(t.jeu, siegeEnAttente(t.partie));
    EXPECT_TRUE(t.partie.fenetre.copie().emiseajour.visible);
}

}  // namespace
}  // namespace glyphane
