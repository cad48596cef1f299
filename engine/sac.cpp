#include "engine/sac.h"

#include <algorithm>

namespace glyphane {

namespace {

std::size_t indice(int n) { return static_cast<std::size_t>(n); }

bool estJeton(int jeton) { return jeton >= 1 && jeton <= nbJetons; }

bool dansUnChevalet(const Chevalet& chevalet, int jeton) {
    for (int siege = 1; siege <= nbSiegesMax; ++siege) {
        if (chevalet.caseDuJeton()[indice(siege)][indice(jeton)] != 0) return true;
    }
    return false;
}

}  // namespace

bool Sac::contient(const Chevalet& chevalet, int jeton) const {
    return estJeton(jeton) && joues[indice(jeton)] == 0 && !dansUnChevalet(chevalet, jeton);
}

int Sac::tirer(Hasard& hasard, const Chevalet& chevalet) {
    if (restants <= 0) return 0;
    const int jeton = auHasard(hasard, chevalet, Casiers{});
    if (jeton != 0) --restants;
    return jeton;
}

int Sac::tirerEnEchange(Hasard& hasard, const Chevalet& chevalet, const Casiers& rendus) const {
    return auHasard(hasard, chevalet, rendus);
}

// Drawing at random until a tile fits would never end once none fits (a count
// that disagrees with the tiles, or every tile of the bag given back by this
// exchange): that is looked at first.
int Sac::auHasard(Hasard& hasard, const Chevalet& chevalet, const Casiers& exclus) const {
    const auto tirable = [&](int jeton) {
        return contient(chevalet, jeton) && std::find(exclus.begin() + 1, exclus.end(), jeton) == exclus.end();
    };
    bool reste = false;
    for (int jeton = 1; jeton <= nbJetons && !reste; ++jeton) reste = tirable(jeton);
    if (!reste) return 0;
    int jeton = 0;
    do {
        jeton = hasard.aleatoire(nbJetons) + 1;
    } while (!tirable(jeton));
    return jeton;
}

bool Sac::marquerJoue(int jeton) {
    if (!estJeton(jeton) || joues[indice(jeton)] != 0) return false;
    joues[indice(jeton)] = 1;
    return true;
}

void Sac::restaurer(std::int32_t jetonsDansSac, const JetonsJoues& jouesLus) {
    restants = std::clamp<std::int32_t>(jetonsDansSac, 0, nbJetons);
    for (int t = 1; t <= nbJetons; ++t) joues[indice(t)] = jouesLus[indice(t)] != 0 ? 1 : 0;
}

}  // namespace glyphane
