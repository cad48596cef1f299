#include "persist/revoir.h"

#include "engine/affichage.h"

namespace glyphane {

namespace {

bool enRevue(const Partie& partie) { return partie.deroulement.partieFinie() == partieTerminee; }

std::size_t indice(int n) { return static_cast<std::size_t>(n); }

// Each square the record names; unused places hold column 0.
template <class Action>
void pourChaqueCase(const Coup& coup, Action action) {
    for (std::size_t k = 1; k <= tailleChevalet; ++k) {
        const int x = coup.colonnes[k];
        const int y = coup.lignes[k];
        if (x >= 1 && x <= tailleGrille && y >= 1 && y <= tailleGrille) action(x, y);
    }
}

void montrerJetonDeLaCase(Partie& partie, int x, int y, bool visible) {
    const int jeton = partie.plateau.grilleFixe()[indice(x)][indice(y)];
    if (jeton != 0) partie.ecran.images[indice(jeton)].visible = visible;
}

void etiquettesDuCoup(Partie& partie, std::int32_t n) {
    const Coup& coup = partie.deroulement.coup(n);
    partie.fenetre.modifier([&](EtatControles& e) {
        e.epointsdutour = coup.points;
        e.captionEjoueur = coup.joueur;
    });
}

}  // namespace

void SurlignerCoup(Partie& partie, std::int32_t n) {
    partie.grilleDernierCoup = {};
    pourChaqueCase(partie.deroulement.coup(n),
                   [&](int x, int y) { partie.grilleDernierCoup[indice(x)][indice(y)] = true; });
}

void revoirDebut(Jeu& jeu) {
    Partie& partie = jeu.partie;
    if (!enRevue(partie)) return;
    // First: a move shown in replay gives back the pictures it borrowed.
    EffacerSuggestion(partie);
    for (int t = 1; t <= nbJetons; ++t) partie.ecran.images[indice(t)].visible = false;
    partie.grilleDernierCoup = {};
    partie.positionRevoir = 1;
    etiquettesDuCoup(partie, 0);
    partie.ecran.surlignageDernierCoup = false;
    jeu.vue.Rafraichir();
}

void revoirPrecedent(Jeu& jeu) {
    Partie& partie = jeu.partie;
    if (!enRevue(partie) || partie.positionRevoir < 2) return;
    EffacerSuggestion(partie);
    const std::int32_t reprise = --partie.positionRevoir;
    etiquettesDuCoup(partie, reprise - 1);
    SurlignerCoup(partie, reprise - 1);
    pourChaqueCase(partie.deroulement.coup(reprise), [&](int x, int y) { montrerJetonDeLaCase(partie, x, y, false); });
    partie.ecran.surlignageDernierCoup = true;
    jeu.vue.Rafraichir();
}

void revoirSuivant(Jeu& jeu) {
    Partie& partie = jeu.partie;
    if (!enRevue(partie) || partie.positionRevoir >= partie.limiteRevoir) return;
    const std::int32_t pose = partie.positionRevoir++;
    EffacerSuggestion(partie);
    etiquettesDuCoup(partie, pose);
    SurlignerCoup(partie, pose);
    pourChaqueCase(partie.deroulement.coup(pose), [&](int x, int y) { montrerJetonDeLaCase(partie, x, y, true); });
    partie.ecran.surlignageDernierCoup = true;
    jeu.vue.Rafraichir();
}

}  // namespace glyphane
