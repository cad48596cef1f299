#include "ui/depot_jeton.h"

#include <algorithm>
#include <array>

#include "engine/chevalet.h"

namespace glyphane::ui {

namespace {

constexpr int pixelMax = 800;
constexpr int apresLePlateau = 16;

// The last pixel of indexes 0..15; anything further is past the board.
constexpr std::array<int, apresLePlateau> derniersPixels800 = {6,   44,  76,  107, 138, 169, 200, 231,
                                                                262, 293, 323, 355, 386, 417, 448, 485};
constexpr std::array<int, apresLePlateau> derniersPixels640 = {7,   34,  59,  84,  109, 134, 159, 184,
                                                                208, 233, 258, 283, 309, 333, 359, 388};

}  // namespace

int indexDuPixel(int mode, int pixel) {
    const auto& derniers = mode == 640 ? derniersPixels640 : derniersPixels800;
    const int p = std::clamp(pixel, 0, pixelMax);
    const auto it = std::lower_bound(derniers.begin(), derniers.end(), p);
    return static_cast<int>(it - derniers.begin());
}

void RenvoyerAuChevalet(Partie& partie, int jeton) {
    partie.jetonSelectionne = static_cast<std::uint8_t>(jeton);
    RemettreAuChevalet(partie, true);
}

void DeposerJeton(Partie& partie, int jeton, int gauche, int haut) {
    const int mode = partie.ecran.geometrie.mode;
    const int colonne = indexDuPixel(mode, gauche);
    const int ligne = indexDuPixel(mode, haut);
    if (colonne == 0 || ligne == 0 || colonne == apresLePlateau) {
        RenvoyerAuChevalet(partie, jeton);
        return;
    }
    ImageJeton& image = partie.ecran.images[static_cast<std::size_t>(jeton)];
    if (ligne == apresLePlateau) {
        partie.plateau.retirer(jeton);
        image.left = gauche;
        image.top = haut;
        return;
    }
    if (!partie.plateau.poser(jeton, colonne, ligne)) {
        RenvoyerAuChevalet(partie, jeton);
        return;
    }
    image.left = partie.ecran.geometrie.gaucheCase(colonne);
    image.top = partie.ecran.geometrie.hautCase(ligne);
}

}  // namespace glyphane::ui
