#include "engine/regles.h"

#include <string>
#include <string_view>

#include "engine/chevalet.h"
#include "engine/messages.h"

namespace glyphane {

namespace {

constexpr int centre = 8;  // row H, column 8

bool siegeHumain(const Partie& partie) {
    return partie.sieges.estOrdinateur()[partie.deroulement.joueurCourant()] == 0;
}

void afficher(Jeu& jeu, std::string_view texte, std::string_view titre) {
    jeu.vue.AfficherMessage(std::string(texte), std::string(titre));
}

void refuser(Jeu& jeu, std::string_view texte) { afficher(jeu, texte, messages::titreMouvementIllegal); }

// The first blank on the board, in board order, still waiting for its letter.
int jokerSansLettre(const Partie& partie) {
    for (int x = 1; x <= tailleGrille; ++x) {
        for (int y = 1; y <= tailleGrille; ++y) {
            const int jeton = partie.plateau.grilleJeu()[x][y];
            if (estJoker(jeton) && partie.plateau.LettreJeton()[static_cast<std::size_t>(jeton)] == lettreInconnue) {
                return jeton;
            }
        }
    }
    return 0;
}

}  // namespace

IssuePlacement VerifierPlacement(Jeu& jeu) {
    Partie& partie = jeu.partie;
    const bool humain = siegeHumain(partie);
    if (humain && partie.placementInvalide == 1) {
        refuser(jeu, messages::jetonsMalPlaces);
        partie.placementInvalide = 0;
        return IssuePlacement::resteDansLeTour;
    }
    if (humain) {
        if (const int joker = jokerSansLettre(partie); joker != 0) {
            ChoisirLettreJoker(jeu, joker);
            return IssuePlacement::lettreJokerChoisie;
        }
    }
    if (partie.motsConnus == 0) {
        if (humain) return IssuePlacement::rapportMotsRefuses;
        RetirerCoup(partie);
        partie.finDeTourSansPoints = 1;
        return IssuePlacement::coupRetire;
    }
    return IssuePlacement::coupJoue;
}

void ChoisirLettreJoker(Jeu& jeu, int jeton) {
    if (!estJoker(jeton)) return;
    DonnerLettreJoker(jeu.partie, jeton, lettreInconnue);
    DonnerLettreJoker(jeu.partie, jeton, jeu.vue.ChoisirLettre(jeton));
    jeu.vue.Rafraichir();
}

bool CoupRecevable(Jeu& jeu) {
    const Partie& partie = jeu.partie;
    const bool distribue = partie.deroulement.distributionFaite() == 1;
    if (!siegeHumain(partie) || !distribue || partie.finDeTourSansPoints == 1) return true;
    if (partie.plateau.jetonsSurPlateau() == 0) {
        if (partie.plateau.grilleJeu()[centre][centre] == 0) {
            refuser(jeu, messages::caseCentrale);
            return false;
        }
        if (partie.pointsDuCoup == 0) {
            refuser(jeu, messages::motDeDeuxLettres);
            return false;
        }
        return true;
    }
    if (partie.pointsDuCoup == 0) {
        refuser(jeu, messages::auMoinsUneLettre);
        return false;
    }
    return true;
}

bool MettreALEchange(Jeu& jeu, int jeton) {
    Partie& partie = jeu.partie;
    ++partie.nbJetonsEchanges;
    if (partie.nbJetonsEchanges > partie.sac.jetonsDansSac()) {
        afficher(jeu, messages::tropDEchanges, messages::titreIllegal);
        RemettreChevaletDuTour(partie);
        partie.nbJetonsEchanges = 0;
        jeu.vue.Rafraichir();
        return false;
    }
    partie.ecran.images[static_cast<std::size_t>(jeton)].visible = false;
    partie.chevalet.rendre(partie.deroulement.joueurCourant(), jeton);
    jeu.vue.Rafraichir();
    return true;
}

}  // namespace glyphane
