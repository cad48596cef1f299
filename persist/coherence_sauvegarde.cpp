#include "persist/coherence_sauvegarde.h"

#include <algorithm>

namespace glyphane {

namespace {

using Comptes = std::array<int, nbJetons + 1>;

std::size_t indice(int n) { return static_cast<std::size_t>(n); }

int jetonDeLaCase(const PartieSauvegardee& partie, int x, int y) { return partie.grilleFixe[indice(x)][indice(y)]; }

// How many places (racks, squares) hold each tile.
Comptes lieuxDesJetons(const PartieSauvegardee& partie) {
    Comptes lieux{};
    for (int s = 1; s <= partie.nbJoueurs; ++s) {
        for (int t = 1; t <= nbJetons; ++t) {
            if (partie.sieges[indice(s)].caseDuJeton[indice(t)] != 0) ++lieux[indice(t)];
        }
    }
    for (int x = 1; x <= tailleGrille; ++x) {
        for (int y = 1; y <= tailleGrille; ++y) ++lieux[indice(jetonDeLaCase(partie, x, y))];
    }
    lieux[0] = 0;  // the empty squares
    return lieux;
}

int casesOccupees(const PartieSauvegardee& partie) {
    int occupees = 0;
    for (int x = 1; x <= tailleGrille; ++x) {
        for (int y = 1; y <= tailleGrille; ++y) occupees += jetonDeLaCase(partie, x, y) != 0 ? 1 : 0;
    }
    return occupees;
}

bool jokersPosesNommes(const PartieSauvegardee& partie) {
    for (int x = 1; x <= tailleGrille; ++x) {
        for (int y = 1; y <= tailleGrille; ++y) {
            const int jeton = jetonDeLaCase(partie, x, y);
            if (jeton == jokerA && partie.lettreJokerA == lettreInconnue) return false;
            if (jeton == jokerB && partie.lettreJokerB == lettreInconnue) return false;
        }
    }
    return true;
}

// Each committed tile was recorded once, on the square it went to.
bool coupsSurLesCasesOccupees(const PartieSauvegardee& partie) {
    GrilleMarques vues{};
    int poses = 0;
    for (std::int32_t k = 1; k < partie.numeroTour; ++k) {
        const Coup& coup = partie.historique[indice(k)];
        for (std::size_t i = 1; i <= tailleChevalet; ++i) {
            const int x = coup.colonnes[i];
            const int y = coup.lignes[i];
            if (x == 0) continue;
            if (jetonDeLaCase(partie, x, y) == 0 || vues[indice(x)][indice(y)]) return false;
            vues[indice(x)][indice(y)] = true;
            ++poses;
        }
    }
    return poses == partie.jetonsSurPlateau;
}

}  // namespace

bool SauvegardeCoherente(const PartieSauvegardee& partie) {
    const Comptes lieux = lieuxDesJetons(partie);
    if (std::any_of(lieux.begin(), lieux.end(), [](int n) { return n > 1; })) return false;
    const int surPlateau = casesOccupees(partie);
    if (surPlateau != partie.jetonsSurPlateau || !jokersPosesNommes(partie) || !coupsSurLesCasesOccupees(partie)) {
        return false;
    }
    // Once the game is over nothing is drawn again and replay reads only the
    // board and the moves: the tally matters to a game that goes on.
    if (partie.partieFinie == partieTerminee) return true;
    const auto enJeu = static_cast<int>(std::count_if(lieux.begin(), lieux.end(), [](int n) { return n == 1; }));
    return enJeu + partie.jetonsDansSac == nbJetons;
}

}  // namespace glyphane
