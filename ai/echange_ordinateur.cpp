#include "ai/echange_ordinateur.h"

#include <array>
#include <chrono>

#include "ai/controles_ordinateur.h"

namespace glyphane {

namespace {

using namespace std::chrono_literals;

constexpr int jetonsAEchanger = 4;
constexpr int gaucheHorsJeu = -100;

std::array<int, jetonsAEchanger> tirerCasiers(Jeu& jeu) {
    std::array<bool, tailleChevalet + 1> tire{};
    std::array<int, jetonsAEchanger> jetons{};
    for (int& jeton : jetons) {
        int casier = 0;
        do {
            casier = jeu.hasard.aleatoire(tailleChevalet) + 1;
        } while (tire[static_cast<std::size_t>(casier)]);
        tire[static_cast<std::size_t>(casier)] = true;
        jeton = jeu.partie.chevalet.caseChevalet()[jeu.partie.deroulement.joueurCourant()][casier];
    }
    return jetons;
}

// Hidden and off the board, and no longer in the rack: the tile is back in the bag.
void rendreAuSac(Partie& partie, int jeton) {
    ImageJeton& image = partie.ecran.images[static_cast<std::size_t>(jeton)];
    image.visible = false;
    image.left = gaucheHorsJeu;
    partie.chevalet.rendre(partie.deroulement.joueurCourant(), jeton);
}

bool chevaletCache(Partie& partie) {
    bool cache = false;
    partie.fenetre.modifier([&cache](EtatControles& e) { cache = e.cacheLettres.visible; });
    return cache;
}

}  // namespace

void EchangerOrdi(Jeu& jeu) {
    Partie& partie = jeu.partie;
    if (partie.sac.jetonsDansSac() < jetonsPourEchanger || arretDemande(partie)) return;
    jeu.hasard.semerDepuisHorloge();
    const auto jetons = tirerCasiers(jeu);
    if (chevaletContient(partie, jetonQ)) {
        jeu.cadence.pause(600ms);
        rendreAuSac(partie, jetonQ);
    }
    for (const int jeton : jetons) {
        if (jeton == 0 || estJoker(jeton) || !partie.ecran.images[static_cast<std::size_t>(jeton)].visible) continue;
        rendreAuSac(partie, jeton);
        if (!chevaletCache(partie)) {
            jeu.vue.Rafraichir();
            jeu.cadence.pause(1200ms);
        }
    }
}

}  // namespace glyphane
