#include "ai/liste_mots.h"

#include "ai/controles_ordinateur.h"
#include "ai/recherche_coups.h"
#include "engine/chevalet.h"
#include "engine/evaluation.h"

namespace glyphane {

namespace {

constexpr std::size_t texteDUneListeMontree = 2;

void activerListeDeMot(Jeu& jeu, bool actif) {
    activerMenu(jeu.partie, &EtatControles::menuListeDeMot, actif);
    jeu.vue.ActualiserControles();
}

}  // namespace

bool ListeDeMotClick(Jeu& jeu) {
    if (longueurTexteMemo(jeu.partie) > texteDUneListeMontree) return false;
    activerListeDeMot(jeu, false);
    jeu.vue.TraiterEvenements();
    fixerProgression(jeu.partie, 0);
    try {
        ChercherCoups(jeu);
    } catch (...) {
        fixerProgression(jeu.partie, 0);
    }
    activerListeDeMot(jeu, true);
    return true;
}

bool ButtonListeMotClick(Jeu& jeu) {
    if (!menuActif(jeu.partie, &EtatControles::menuListeDeMot)) return false;
    ListeDeMotClick(jeu);
    return true;
}

void memo1MouseDown(Jeu& jeu, int ligne) {
    Partie& partie = jeu.partie;
    // The cover over the list can be clicked while the computer plays; its
    // thread owns the board and the rack then.
    if (partie.drapeaux.ordiOccupe.load() == 1 || estSiegeOrdinateur(partie)) return;
    activerFenetre(partie, false);
    partie.surlignageSuggestion = false;
    partie.surlignageDernierCoup = false;
    partie.grilleSuggestion = {};
    RetirerCoup(partie);
    const auto& coups = partie.ordinateur.ListeCoups;
    if (ligne >= 0 && static_cast<std::size_t>(ligne) < coups.size()) {
        try {
            PoserTexteDeCoup(partie, coups[static_cast<std::size_t>(ligne)]);
        } catch (...) {
        }
    }
    EvaluerCoup(partie);
    partie.surlignageSuggestion = true;
    jeu.vue.Rafraichir();
    activerFenetre(partie, true);
}

}  // namespace glyphane
