#include "ai/invalidation.h"

#include <vector>

#include "ai/cases.h"
#include "lexicon/fichiers_recherche.h"

namespace glyphane {

namespace {

bool aCaseLibre(const Possibilite& possibilite, Case c) {
    for (std::size_t k = 0; k < possibilite.lignes.size() && k < possibilite.colonnes.size(); ++k) {
        if (possibilite.colonnes[k] == c.x && possibilite.lignes[k] == c.y) return true;
    }
    return false;
}

bool caseLibreCouverte(const Grille& grille, const Possibilite& possibilite) {
    for (std::size_t k = 0; k < possibilite.lignes.size() && k < possibilite.colonnes.size(); ++k) {
        if (grille[possibilite.colonnes[k]][possibilite.lignes[k]] != 0) return true;
    }
    return false;
}

void invaliderSurCase(Jeu& jeu, ModeleOrdinateur& modele, Case c) {
    for (auto& liste : modele.Possibilites) {
        for (Possibilite& possibilite : liste) {
            if (aCaseLibre(possibilite, c)) InvaliderPossibilite(jeu.temporaires, possibilite);
        }
    }
}

// The directions that leave the move's line: all four for a lone tile, else the
// two across the line its first two tiles share.
std::vector<Pas> directionsEnTravers(const std::vector<Case>& tuiles) {
    if (tuiles.size() < 2) return {versGauche, versDroite, versHaut, versBas};
    const bool vertical = tuiles[0].x == tuiles[1].x;
    if (vertical) return {versGauche, versDroite};
    return {versHaut, versBas};
}

}  // namespace

void SupprimerFichierMots(FichiersTemporaires& fichiers, Possibilite& possibilite) {
    if (possibilite.numeroFichier < premierFichierTemporaire) return;
    fichiers.supprimer(possibilite.numeroFichier);
    possibilite.numeroFichier = aucunFichier;
}

void InvaliderPossibilite(FichiersTemporaires& fichiers, Possibilite& possibilite) {
    possibilite.valide = 0;
    SupprimerFichierMots(fichiers, possibilite);
}

void InvaliderAutourDuCoup(Jeu& jeu, ModeleOrdinateur& modele, int nbPoses) {
    const std::vector<Case> tuiles = tuilesDuCoup(jeu.partie, nbPoses);
    const std::vector<Pas> directions = directionsEnTravers(tuiles);
    for (const Case tuile : tuiles) {
        for (const Pas pas : directions) {
            const auto vide = premiereCaseVide(jeu.partie.plateau.grilleFixe(), tuile, pas);
            if (vide) invaliderSurCase(jeu, modele, *vide);
        }
    }
}

void InvaliderCasesCouvertes(Jeu& jeu, ModeleOrdinateur& modele) {
    const Partie& partie = jeu.partie;
    const Deroulement& deroulement = partie.deroulement;
    if (deroulement.distributionFaite() == 0 || partie.finDeTourSansPoints == 1 ||
        deroulement.partieFinie() == partieTerminee || deroulement.numeroTour() == 1) {
        return;
    }
    auto& listes = modele.Possibilites;
    for (int n = tailleChevalet; n >= 1; --n) {
        for (Possibilite& possibilite : listes[static_cast<std::size_t>(n)]) {
            if (possibilite.valide == 1 && caseLibreCouverte(partie.plateau.grilleFixe(), possibilite)) {
                InvaliderPossibilite(jeu.temporaires, possibilite);
            }
        }
    }
    // Records superseded by the last update kept their files until now.
    for (auto& liste : listes) {
        for (Possibilite& possibilite : liste) {
            if (possibilite.valide != 1) SupprimerFichierMots(jeu.temporaires, possibilite);
        }
    }
}

}  // namespace glyphane
