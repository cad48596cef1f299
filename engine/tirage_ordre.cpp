#include "engine/tirage_ordre.h"

#include <algorithm>
#include <chrono>

namespace glyphane {

namespace {

using ParSiege = std::array<int, nbSiegesMax + 1>;

constexpr int nbLettres = 26;
constexpr auto pauseEntreLettres = std::chrono::milliseconds(20);

bool dejaTiree(const ParSiege& lettres, int siege, int lettre) {
    return std::find(lettres.begin() + 1, lettres.begin() + siege, lettre) != lettres.begin() + siege;
}

// The letter rolls: each one differs from the one shown before it and from the
// letters of the seats that drew earlier, so no two seats can tie.
int tirerLettre(Jeu& jeu, int siege, const ParSiege& lettres, int& montree) {
    jeu.hasard.semerDepuisHorloge();
    for (int n = 0; n < tiragesParSiege; ++n) {
        int lettre = 0;
        do {
            lettre = jeu.hasard.aleatoire(nbLettres + 2);
        } while (lettre < 1 || lettre > nbLettres || lettre == montree || dejaTiree(lettres, siege, lettre));
        montree = lettre;
        jeu.vue.TirageLettreMontree(siege, lettre);
        jeu.cadence.pause(pauseEntreLettres);
    }
    return montree;
}

ParSiege classer(const ParSiege& lettres, int nbJoueurs) {
    ParSiege rang{};
    for (int s = 1; s <= nbJoueurs; ++s) {
        rang[s] = 1;
        for (int autre = 1; autre <= nbJoueurs; ++autre) {
            if (lettres[autre] < lettres[s]) ++rang[s];
        }
    }
    return rang;
}

}  // namespace

void TirageOrdre(Jeu& jeu) {
    Partie& partie = jeu.partie;
    if (!jeu.vue.TirageOrdreDemande()) return;
    ParSiege lettres{};
    int montree = 0;
    bool tousOrdinateurs = true;
    for (int s = 1; s <= partie.sieges.nbJoueurs(); ++s) {
        jeu.vue.TirageSiegeAttendre(s, partie.sieges.nom()[s], partie.sieges.estOrdinateur()[s] != 0);
        lettres[s] = tirerLettre(jeu, s, lettres, montree);
        tousOrdinateurs = tousOrdinateurs && partie.sieges.estOrdinateur()[s] != 0;
    }
    const ParSiege rang = classer(lettres, partie.sieges.nbJoueurs());
    partie.sieges.reordonner(rang);
    jeu.vue.TirageTermine(lettres, rang, tousOrdinateurs);
}

}  // namespace glyphane
