#include "ai/niveaux.h"

#include <array>

namespace glyphane {

namespace {

// From the best to the weakest, the order the button cycles through.
constexpr std::array<Niveau, 5> niveaux = {{
    {"&niveau5", "meilleur coup", 1.0},
    {"&niveau4", "98% du meilleur coup", 1.02},
    {"&niveau3", "95% du meilleur coup", 1.05},
    {"&niveau2", "75% du meilleur coup", 1.33},
    {"&niveau1", "66% du meilleur coup", 1.5},
}};

}  // namespace

const Niveau& niveauDeCaption(std::string_view caption) {
    for (const Niveau& niveau : niveaux) {
        if (niveau.caption == caption) return niveau;
    }
    return niveaux.back();
}

void niveauxClick(Partie& partie) {
    partie.fenetre.modifier([](EtatControles& e) {
        std::size_t suivant = 0;
        for (std::size_t i = 0; i < niveaux.size(); ++i) {
            if (niveaux[i].caption == e.captionNiveau) suivant = (i + 1) % niveaux.size();
        }
        e.captionNiveau = niveaux[suivant].caption;
        e.hintNiveau = niveaux[suivant].hint;
    });
}

bool fixerNiveau(Partie& partie, int numero) {
    if (numero < 1 || numero > static_cast<int>(niveaux.size())) return false;
    const Niveau& niveau = niveaux[niveaux.size() - static_cast<std::size_t>(numero)];
    partie.fenetre.modifier([&niveau](EtatControles& e) {
        e.captionNiveau = niveau.caption;
        e.hintNiveau = niveau.hint;
    });
    return true;
}

}  // namespace glyphane
