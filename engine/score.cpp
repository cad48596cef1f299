#include "engine/score.h"

#include <string>

#include "lexicon/texte_windows.h"

namespace glyphane {

namespace {

constexpr std::size_t longueurPoints = 3;
constexpr std::size_t longueurNom = 8;

}  // namespace

void EnregistrerCoup(const Partie& partie, Coup& coup) {
    const Evaluation& e = partie.evaluation;
    const bool colonne = e.motV[1].size() > e.motH[1].size();
    coup.points = std::to_string(partie.pointsDuCoup).substr(0, longueurPoints);
    coup.mot = colonne ? e.motV[1] : e.motH[1];
    coup.sens.assign(1, colonne ? '1' : '2');
    coup.joueur = texte::premiersCaracteres(partie.sieges.nom()[partie.deroulement.joueurCourant()], longueurNom);
}

void AjouterPointsDuCoup(Partie& partie) {
    partie.deroulement.ajouterPoints(partie.deroulement.joueurCourant(), partie.pointsDuCoup);
}

void AjustementFinal(Partie& partie) {
    const int finisseur = partie.deroulement.joueurCourant();
    for (int siege = 1; siege <= nbSiegesMax; ++siege) {
        if (siege == finisseur) continue;
        for (int j = 1; j <= tailleChevalet; ++j) {
            const int jeton = partie.chevalet.caseChevalet()[siege][j];
            if (jeton == 0 || partie.sac.jetonJoue()[static_cast<std::size_t>(jeton)] != 0) continue;
            partie.deroulement.ajouterPoints(finisseur, ValeurJeton[static_cast<std::size_t>(jeton)]);
            partie.deroulement.ajouterPoints(siege, -ValeurJeton[static_cast<std::size_t>(jeton)]);
        }
    }
}

}  // namespace glyphane
