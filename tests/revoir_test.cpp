#include "persist/revoir.h"

#include <gtest/gtest.h>

#include "engine/boutons.h"
#include "persist/chargement.h"
#include "persist/sauvegarde.h"
#include "tests/partie_de_test.h"
#include "tests/sauvegarde_de_test.h"

namespace glyphane {
namespace {

// Whether the tiles on these squares (column, row) are shown.
std::vector<bool> montres(const Partie& p, const std::vector<std::pair<int, int>>& cases) {
    std::vector<bool> vus;
    for (const auto& [x, y] : cases) vus.push_back(p.ecran.images[p.plateau.grilleFixe()[x][y]].visible);
    return vus;
}

const std::vector<std::pair<int, int>> casesMots = {{5, 8}, {6, 8}, {7, 8}, {8, 8}};
const std::vector<std::pair<int, int>> casesEl = {{8, 9}, {8, 10}};
const std::vector<bool> deuxMontres(2, true), deuxCaches(2, false), quatreMontres(4, true), quatreCaches(4, false);

// Alice lays "mots", Bob passes, Alice lays "el" with her last tiles.
void jouerJusquaLaFin(test::PartieDeTest& t) {
    t.commencer({"Alice", "Bob"});
    t.imposerChevalet("motsel");
    t.viderLeSac();
    t.jouer("mots;EHFHGHHH");
    revoirDebut(t.jeu);  // nothing to replay yet
    EXPECT_EQ(montres(t.partie, casesMots), quatreMontres);
    ouvrirEchangeOuPasser(t.jeu);
    t.jouer("el;HIHJ");
    ASSERT_EQ(t.partie.deroulement.partieFinie(), partieTerminee);
}

std::string etiquettes(const Partie& p) {
    const EtatControles e = p.fenetre.copie();
    return e.captionEjoueur + ":" + e.epointsdutour;
}

TEST(Revoir, AGamePlayedToItsEndStepsBackThenFromTheStartToTheEnd) {
    test::PartieDeTest t;
    jouerJusquaLaFin(t);
    Partie& p = t.partie;
    EXPECT_EQ(p.limiteRevoir, 4);
    EXPECT_EQ(p.positionRevoir, 4);
    EXPECT_FALSE(p.fenetre.copie().cacheBoutonRevoir.visible);

    revoirPrecedent(t.jeu);  // "el" is taken back first
    EXPECT_EQ(montres(p, casesEl), deuxCaches);
    EXPECT_EQ(etiquettes(p), ":");  // Bob's pass
    revoirPrecedent(t.jeu);
    EXPECT_EQ(montres(p, casesMots), quatreMontres);
    EXPECT_EQ(etiquettes(p), "Alice:" + p.deroulement.coup(1).points);
    EXPECT_TRUE(p.grilleDernierCoup[5][8] && p.ecran.surlignageDernierCoup);

    revoirDebut(t.jeu);
    EXPECT_EQ(p.positionRevoir, 1);
    EXPECT_EQ(montres(p, casesMots), quatreCaches);
    EXPECT_EQ(etiquettes(p), ":");
    EXPECT_FALSE(p.ecran.surlignageDernierCoup);
    revoirPrecedent(t.jeu);
    EXPECT_EQ(p.positionRevoir, 1);

    revoirSuivant(t.jeu);
    EXPECT_EQ(montres(p, casesMots), quatreMontres);
    EXPECT_EQ(montres(p, casesEl), deuxCaches);
    revoirSuivant(t.jeu);
    revoirSuivant(t.jeu);
    EXPECT_EQ(montres(p, casesEl), deuxMontres);
    EXPECT_TRUE(p.grilleDernierCoup[8][10] && !p.grilleDernierCoup[5][8]);
    revoirSuivant(t.jeu);
    EXPECT_EQ(p.positionRevoir, 4);
    EXPECT_EQ(etiquettes(p), "Alice:" + p.deroulement.coup(3).points);
}

TEST(Revoir, AFinishedGameSavedOpensForReplayWhenLoaded) {
    test::PartieDeTest t;
    jouerJusquaLaFin(t);
    const std::filesystem::path chemin = t.dossier() / "finie.Glb";
    t.vue.fichiersSauvegarde = {chemin.string()};
    sauvegarderPartie(t.jeu);
    const std::string contenu = test::lireBrut(chemin);
    EXPECT_EQ(test::lignesDe(contenu)[9 + 18 * 3], ";");  // Alice's rack is empty

    test::PartieDeTest relue;
    ChargerPartie(relue.jeu, contenu);
    const Partie& p = relue.partie;
    EXPECT_EQ(p.deroulement.partieFinie(), partieTerminee);
    EXPECT_EQ(p.limiteRevoir, 4);
    EXPECT_EQ(p.positionRevoir, 4);
    EXPECT_EQ(montres(p, casesMots), quatreMontres);
    EXPECT_TRUE(p.grilleDernierCoup[8][9]);
    const EtatControles e = p.fenetre.copie();
    EXPECT_FALSE(e.cacheBoutonRevoir.visible || e.recommencer.visible || e.menuRecommencer);
    EXPECT_TRUE(e.commencer.visible && e.partieSauvegarder.visible && e.fenetreActive);
    EXPECT_TRUE(e.menuChrono && e.buttonChrono.actif);  // as after a game played to its end

    revoirPrecedent(relue.jeu);
    EXPECT_EQ(montres(p, casesEl), deuxCaches);
    EXPECT_EQ(montres(p, casesMots), quatreMontres);
}

}  // namespace
}  // namespace glyphane
