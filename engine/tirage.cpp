#include "engine/tirage.h"

#include <algorithm>
#include <chrono>
#include <string>

#include "engine/chevalet.h"

namespace glyphane {

namespace {

int premierCasierLibre(const Partie& partie) {
    const auto& occupees = partie.chevalet.caseOccupee()[partie.deroulement.joueurCourant()];
    for (int j = 1; j <= tailleChevalet; ++j) {
        if (occupees[j] == 0) return j;
    }
    return 0;
}

// After an exchange the tiles given back are still listed in the rack as the call
// began; they stay out of reach for the whole call, not only until their slot is
// refilled.
int tirerUnJeton(Jeu& jeu, const Casiers& rendus) {
    Partie& partie = jeu.partie;
    if (partie.finDeTourSansPoints == 0) return partie.sac.tirer(jeu.hasard, partie.chevalet);
    return partie.sac.tirerEnEchange(jeu.hasard, partie.chevalet, rendus);
}

void rangerAuCasier(Partie& partie, int jeton, int casier) {
    partie.chevalet.ranger(partie.deroulement.joueurCourant(), jeton, casier);
    partie.jetonSelectionne = static_cast<std::uint8_t>(jeton);
}

// During the deal the letters go to the seat's deal text; afterwards to the record
// of this seat's next move, which the turn controller has just started.
void noterAuTirage(Partie& partie, int jeton) {
    const auto t = static_cast<std::size_t>(jeton);
    const char lettre = estJoker(jeton) ? lettreInconnue : partie.plateau.LettreJeton()[t];
    if (partie.deroulement.distributionFaite() == 0) {
        partie.deroulement.noterTirageDistribution(partie.deroulement.joueurCourant(), lettre);
    } else {
        partie.deroulement.coup(partie.deroulement.numeroTour() - 1 + partie.sieges.nbJoueurs()).tirage += lettre;
    }
}

}  // namespace

void AfficherJetonsDansSac(Partie& partie) {
    const std::string texte = std::to_string(partie.sac.jetonsDansSac());
    partie.fenetre.modifier([&](EtatControles& e) { e.enbLettreDispo = texte; });
}

void AfficherBoutonEchange(Partie& partie) {
    if (!sacVide(partie)) return;
    partie.fenetre.modifier([](EtatControles& e) { e.captionEchange = captionPasser; });
}

int Tirer(Jeu& jeu, int n) {
    Partie& partie = jeu.partie;
    if (partie.deroulement.joueurCourant() < 1 || partie.deroulement.joueurCourant() > nbSiegesMax) return 0;
    n = std::min(n, partie.sac.jetonsDansSac());
    jeu.hasard.semerDepuisHorloge();
    const Casiers rendus = partie.chevalet.caseChevalet()[partie.deroulement.joueurCourant()];
    int tires = 0;
    while (n > 0) {
        const int casier = premierCasierLibre(partie);
        const int jeton = casier == 0 ? 0 : tirerUnJeton(jeu, rendus);
        if (jeton == 0) break;
        jeu.cadence.pause(std::chrono::milliseconds(jeu.hasard.aleatoire(200)));
        --n;
        ++tires;
        rangerAuCasier(partie, jeton, casier);
        noterAuTirage(partie, jeton);
        RemettreAuChevalet(partie, false);
        AfficherJetonsDansSac(partie);
    }
    return tires;
}

}  // namespace glyphane
