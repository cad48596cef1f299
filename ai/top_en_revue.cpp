#include "ai/top_en_revue.h"

#include "engine/affichage.h"

namespace glyphane {

namespace {

std::size_t indice(int n) { return static_cast<std::size_t>(n); }

void emprunter(Ecran& ecran, int jeton, const ImageJeton& image) {
    ecran.empruntes.emplace_back(jeton, ecran.images[indice(jeton)]);
    ecran.images[indice(jeton)] = image;
}

// The move just reached goes from the board: the top takes its place.
void cacherCoupAtteint(Partie& partie) {
    const Coup& coup = partie.deroulement.coup(partie.positionRevoir - 1);
    for (std::size_t k = 1; k <= tailleChevalet; ++k) {
        const int x = coup.colonnes[k];
        const int y = coup.lignes[k];
        if (x < 1 || x > tailleGrille || y < 1 || y > tailleGrille) continue;
        const int jeton = partie.plateau.grilleFixe()[indice(x)][indice(y)];
        if (jeton == 0) continue;
        ImageJeton cachee = partie.ecran.images[indice(jeton)];
        cachee.visible = false;
        emprunter(partie.ecran, jeton, cachee);
    }
}

bool convient(const Partie& partie, int jeton, const TuilePosee& tuile) {
    if (tuile.joker) return estJoker(jeton);
    return !estJoker(jeton) && partie.plateau.LettreJeton()[indice(jeton)] == tuile.lettre;
}

// A tile of that letter whose picture is hidden at this position (on a square of
// a later move, or in a rack); failing that, one shown in a rack.
int jetonLibre(const Partie& partie, const TuilePosee& tuile, const std::array<bool, nbJetons + 1>& pris) {
    std::array<bool, nbJetons + 1> surLePlateau{};
    for (int x = 1; x <= tailleGrille; ++x) {
        for (int y = 1; y <= tailleGrille; ++y) surLePlateau[indice(partie.plateau.grilleFixe()[x][y])] = true;
    }
    for (const bool montreAuChevalet : {false, true}) {
        for (int t = 1; t <= nbJetons; ++t) {
            if (pris[indice(t)] || !convient(partie, t, tuile)) continue;
            const bool visible = partie.ecran.images[indice(t)].visible;
            if (!visible || (montreAuChevalet && !surLePlateau[indice(t)])) return t;
        }
    }
    return 0;
}

}  // namespace

void MontrerTopEnRevue(Jeu& jeu, const std::vector<TuilePosee>& top) {
    Partie& partie = jeu.partie;
    if (partie.deroulement.partieFinie() != partieTerminee || partie.positionRevoir < 2) return;
    EffacerSuggestion(partie);
    cacherCoupAtteint(partie);
    std::array<bool, nbJetons + 1> pris{};
    const Geometrie& g = partie.ecran.geometrie;
    for (const TuilePosee& tuile : top) {
        const int jeton = jetonLibre(partie, tuile, pris);
        if (jeton == 0) continue;
        pris[indice(jeton)] = true;
        emprunter(partie.ecran, jeton, {g.gaucheCase(tuile.x), g.hautCase(tuile.y), true, false});
        if (tuile.joker) partie.ecran.lettreMontree[indice(jeton)] = tuile.lettre;
        partie.ecran.grilleSuggestion[indice(tuile.x)][indice(tuile.y)] = true;
    }
    partie.ecran.surlignageSuggestion = true;
    jeu.vue.Rafraichir();
}

}  // namespace glyphane
