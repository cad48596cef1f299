#include "ai/cases.h"

namespace glyphane {

std::optional<Case> premiereCaseVide(const Grille& grille, Case depart, Pas pas) {
    Case c = avancer(depart, pas);
    while (surPlateau(c) && occupee(grille, c)) c = avancer(c, pas);
    if (!surPlateau(c)) return std::nullopt;
    return c;
}

// The last-move grid rather than the history record: the commit marks it square
// by square from the board itself, so it can only name squares that now hold a
// committed tile, whatever turn number the history has reached.
std::vector<Case> tuilesDuCoup(const Partie& partie, int nbPoses) {
    std::vector<Case> tuiles;
    for (int x = 1; x <= tailleGrille; ++x) {
        for (int y = 1; y <= tailleGrille; ++y) {
            if (static_cast<int>(tuiles.size()) == nbPoses) return tuiles;
            if (partie.grilleDernierCoup[x][y] && partie.plateau.grilleFixe()[x][y] != 0) tuiles.push_back({x, y});
        }
    }
    return tuiles;
}

}  // namespace glyphane
