#include "ai/niveaux.h"

#include <array>
#include <cstddef>

namespace glyphane {

namespace {

// From the best to the weakest.
constexpr std::array<Niveau, niveauMeilleur> niveaux = {{
    {"&niveau5", "meilleur coup", 1.0},
    {"&niveau4", "98% du meilleur coup", 1.02},
    {"&niveau3", "95% du meilleur coup", 1.05},
    {"&niveau2", "75% du meilleur coup", 1.33},
    {"&niveau1", "66% du meilleur coup", 1.5},
}};

bool numeroValide(int numero) { return numero >= 1 && numero <= niveauMeilleur; }

}  // namespace

const Niveau& niveauNumero(int numero) {
    if (!numeroValide(numero)) return niveaux.back();
    return niveaux[static_cast<std::size_t>(niveauMeilleur - numero)];
}

void changerNiveau(Partie& partie) {
    partie.fenetre.modifier([](EtatControles& e) {
        e.niveau = numeroValide(e.niveau) && e.niveau > 1 ? e.niveau - 1 : niveauMeilleur;
    });
}

bool fixerNiveau(Partie& partie, int numero) {
    if (!numeroValide(numero)) return false;
    partie.fenetre.modifier([numero](EtatControles& e) { e.niveau = numero; });
    return true;
}

}  // namespace glyphane
