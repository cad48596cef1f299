#include "ai/controles_ordinateur.h"

namespace glyphane {

namespace {
constexpr std::size_t longueurSautDeLigne = 2;
}

void fixerProgression(Partie& partie, int position) {
    partie.fenetre.modifier([position](EtatControles& e) { e.progression = position; });
}

void activerFenetre(Partie& partie, bool active) {
    partie.fenetre.modifier([active](EtatControles& e) { e.fenetreActive = active; });
}

bool menuActif(Partie& partie, bool EtatControles::*entree) {
    bool actif = false;
    partie.fenetre.modifier([&](EtatControles& e) { actif = e.*entree; });
    return actif;
}

void activerMenu(Partie& partie, bool EtatControles::*entree, bool actif) {
    partie.fenetre.modifier([&](EtatControles& e) { e.*entree = actif; });
}

int niveauCourant(Partie& partie) {
    int niveau = 0;
    partie.fenetre.modifier([&niveau](EtatControles& e) { niveau = e.niveau; });
    return niveau;
}

std::size_t longueurTexteMemo(Partie& partie) {
    std::size_t longueur = 0;
    partie.fenetre.modifier([&longueur](EtatControles& e) {
        for (const LigneMot& ligne : e.memo1) longueur += ligne.texte.size();
        if (!e.memo1.empty()) longueur += (e.memo1.size() - 1) * longueurSautDeLigne;
    });
    return longueur;
}

}  // namespace glyphane
