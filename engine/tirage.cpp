#include "engine/tirage.h"

#include <algorithm>
#include <chrono>
#include <string>

#include "engine/chevalet.h"

namespace glyphane {

namespace {

using Casiers = std::array<std::uint8_t, tailleChevalet + 1>;

bool dansUnChevalet(const Chevalet& chevalet, int jeton) {
    for (int siege = 1; siege <= nbSiegesMax; ++siege) {
        if (chevalet.caseDuJeton()[siege][static_cast<std::size_t>(jeton)] != 0) return true;
    }
    return false;
}

// After an exchange the tiles given back are still listed in the rack as the call
// began; they stay out of reach for the whole call, not only until their slot is
// refilled, so that none comes straight back.
bool peutEtreTire(const Partie& partie, const Casiers& rendus, int jeton) {
    if (partie.jetonJoue[static_cast<std::size_t>(jeton)] != 0) return false;
    if (dansUnChevalet(partie.chevalet, jeton)) return false;
    return partie.finDeTourSansPoints == 0 || std::find(rendus.begin() + 1, rendus.end(), jeton) == rendus.end();
}

// Drawing at random until a tile fits would never end once none fits (a bag count
// that disagrees with the tiles, or every bag tile given back by this exchange).
bool resteUnJetonATirer(const Partie& partie, const Casiers& rendus) {
    for (int jeton = 1; jeton <= nbJetons; ++jeton) {
        if (peutEtreTire(partie, rendus, jeton)) return true;
    }
    return false;
}

int premierCasierLibre(const Partie& partie) {
    const auto& occupees = partie.chevalet.caseOccupee()[partie.deroulement.joueurCourant()];
    for (int j = 1; j <= tailleChevalet; ++j) {
        if (occupees[j] == 0) return j;
    }
    return 0;
}

int tirerUnJeton(Jeu& jeu, const Casiers& rendus) {
    int jeton = 0;
    do {
        jeton = jeu.hasard.aleatoire(nbJetons) + 1;
    } while (!peutEtreTire(jeu.partie, rendus, jeton));
    return jeton;
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
    if (partie.distributionFaite == 0) {
        partie.deroulement.noterTirageDistribution(partie.deroulement.joueurCourant(), lettre);
    } else {
        partie.deroulement.coup(partie.deroulement.numeroTour() - 1 + partie.nbJoueurs).tirage += lettre;
    }
}

}  // namespace

void AfficherJetonsDansSac(Partie& partie) {
    const std::string texte = std::to_string(std::max(partie.jetonsDansSac, 0));
    partie.fenetre.modifier([&](EtatControles& e) { e.enbLettreDispo = texte; });
}

void AfficherBoutonEchange(Partie& partie) {
    if (!sacVide(partie)) return;
    partie.fenetre.modifier([](EtatControles& e) { e.captionEchange = captionPasser; });
}

int Tirer(Jeu& jeu, int n) {
    Partie& partie = jeu.partie;
    if (partie.deroulement.joueurCourant() < 1 || partie.deroulement.joueurCourant() > nbSiegesMax) return 0;
    n = std::min(n, partie.jetonsDansSac);
    jeu.hasard.semerDepuisHorloge();
    const Casiers rendus = partie.chevalet.caseChevalet()[partie.deroulement.joueurCourant()];
    int tires = 0;
    while (n > 0) {
        const int casier = premierCasierLibre(partie);
        if (casier == 0 || !resteUnJetonATirer(partie, rendus)) break;
        const int jeton = tirerUnJeton(jeu, rendus);
        jeu.cadence.pause(std::chrono::milliseconds(jeu.hasard.aleatoire(200)));
        --n;
        ++tires;
        rangerAuCasier(partie, jeton, casier);
        noterAuTirage(partie, jeton);
        RemettreAuChevalet(partie, false);
        if (partie.finDeTourSansPoints == 0) --partie.jetonsDansSac;
        AfficherJetonsDansSac(partie);
    }
    return tires;
}

}  // namespace glyphane
