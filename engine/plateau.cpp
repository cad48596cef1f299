#include "engine/plateau.h"

namespace glyphane {

namespace {

bool surLePlateau(int x, int y) { return x >= 1 && x <= tailleGrille && y >= 1 && y <= tailleGrille; }

bool estCommitte(const Grille& fixe, int jeton) {
    for (int x = 1; x <= tailleGrille; ++x) {
        for (int y = 1; y <= tailleGrille; ++y) {
            if (fixe[x][y] == jeton) return true;
        }
    }
    return false;
}

}  // namespace

bool Plateau::poser(int jeton, int x, int y) {
    if (jeton < 1 || jeton > nbJetons || !surLePlateau(x, y)) return false;
    const int occupant = jeu[x][y];
    if (fixe[x][y] != 0 || (occupant != 0 && occupant != jeton) || estCommitte(fixe, jeton)) return false;
    retirer(jeton);
    jeu[x][y] = static_cast<std::uint8_t>(jeton);
    return true;
}

// The square a tile leaves shows what was committed there, so that taking a tile
// away can never wipe a committed one from the board.
void Plateau::retirer(int jeton) {
    for (int x = 1; x <= tailleGrille; ++x) {
        for (int y = 1; y <= tailleGrille; ++y) {
            if (jeu[x][y] == jeton) jeu[x][y] = fixe[x][y];
        }
    }
}

void Plateau::retirerPoses() { jeu = fixe; }

int Plateau::fixer(int x, int y) {
    if (!surLePlateau(x, y) || fixe[x][y] != 0 || jeu[x][y] == 0) return 0;
    fixe[x][y] = jeu[x][y];
    ++fixes;
    return fixe[x][y];
}

void Plateau::donnerLettreJoker(int jeton, char code) {
    if (!estJoker(jeton)) return;
    lettres[static_cast<std::size_t>(jeton)] = code >= 'a' && code <= 'z' ? code : lettreInconnue;
}

}  // namespace glyphane
