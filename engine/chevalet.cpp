#include "engine/chevalet.h"

#include <algorithm>

#include "engine/evaluation.h"

namespace glyphane {

namespace {

int casierDuJeton(const Partie& partie, int jeton) {
    return partie.chevalet.caseDuJeton()[partie.deroulement.joueurCourant()][static_cast<std::size_t>(jeton)];
}

void selectionnerEtRemettre(Partie& partie, int jeton, bool visible) {
    partie.jetonSelectionne = static_cast<std::uint8_t>(jeton);
    RemettreAuChevalet(partie, visible);
}

// 'A'..'O' code 1..15; anything else, including a missing character, codes 0.
int coordonnee(std::string_view texte, std::size_t position) {
    if (position >= texte.size()) return 0;
    const char code = texte[position];
    return code >= 'A' && code <= 'O' ? code - 'A' + 1 : 0;
}

using CasiersUtilises = std::array<bool, tailleChevalet + 1>;

// The first slot not yet used whose tile carries the letter, else the first
// unused blank, which will stand in for it; 0 when the rack has neither.
int choisirCasier(const Partie& partie, char lettre, const CasiersUtilises& utilise) {
    const auto& casiers = partie.chevalet.caseChevalet()[partie.deroulement.joueurCourant()];
    for (int j = 1; j <= tailleChevalet; ++j) {
        if (!utilise[j] && casiers[j] != 0 && partie.plateau.LettreJeton()[casiers[j]] == lettre) return j;
    }
    for (int j = 1; j <= tailleChevalet; ++j) {
        if (!utilise[j] && estJoker(casiers[j])) return j;
    }
    return 0;
}

void poserSurLaCase(Partie& partie, int jeton, int x, int y) {
    if (!partie.plateau.poser(jeton, x, y)) return;
    ImageJeton& image = partie.ecran.images[static_cast<std::size_t>(jeton)];
    image.left = partie.ecran.geometrie.gaucheCase(x);
    image.top = partie.ecran.geometrie.hautCase(y);
    image.visible = true;
    partie.ecran.grilleSuggestion[x][y] = true;
}

}  // namespace

void DonnerLettreJoker(Partie& partie, int jeton, char code) {
    partie.plateau.donnerLettreJoker(jeton, code);
}

void RemettreAuChevalet(Partie& partie, bool visible) {
    const int jeton = partie.jetonSelectionne;
    if (jeton == 0) return;
    ImageJeton& image = partie.ecran.images[static_cast<std::size_t>(jeton)];
    if (!image.deplacable) {
        partie.plateau.retirer(jeton);
        return;
    }
    const int casier = casierDuJeton(partie, jeton);
    if (casier < 1 || casier > tailleChevalet) return;
    DonnerLettreJoker(partie, jeton, lettreInconnue);
    image.left = partie.ecran.geometrie.gaucheChevalet(casier);
    image.top = partie.ecran.geometrie.hautChevalet();
    image.visible = visible;
    partie.plateau.retirer(jeton);
    partie.jetonSelectionne = 0;
}

void RemettreJetonsAuChevalet(Partie& partie, bool visible) {
    for (int j = 1; j <= tailleChevalet; ++j) {
        const int jeton = partie.chevalet.caseChevalet()[partie.deroulement.joueurCourant()][j];
        if (jeton != 0) selectionnerEtRemettre(partie, jeton, visible);
    }
}

void RetirerCoup(Partie& partie) {
    partie.plateau.retirerPoses();
    RemettreJetonsAuChevalet(partie, true);
}

void RemettreChevaletDuTour(Partie& partie) {
    Chevalet& chevalet = partie.chevalet;
    const int siege = partie.deroulement.joueurCourant();
    for (int j = 1; j <= tailleChevalet; ++j) {
        const int jeton = partie.chevaletDuTour[j];
        if (jeton == 0) continue;
        chevalet.ranger(siege, jeton, j);
        selectionnerEtRemettre(partie, jeton, true);
    }
    OublierPointsDuCoup(partie);
}

bool PoserTexteDeCoup(Partie& partie, std::string_view texte) {
    const std::size_t pointVirgule = texte.find(';');
    if (pointVirgule == std::string_view::npos || pointVirgule + 1 >= texte.size()) return false;
    const std::string_view lettres = texte.substr(0, std::min<std::size_t>(pointVirgule, tailleChevalet));
    const std::string_view cases = texte.substr(pointVirgule + 1);
    const auto& casiers = partie.chevalet.caseChevalet()[partie.deroulement.joueurCourant()];

    // Tiles of this rack already out on the board are picked up first: each
    // square the text names is then either free, committed, or filled by the text.
    for (int j = 1; j <= tailleChevalet; ++j) {
        if (casiers[j] != 0) partie.plateau.retirer(casiers[j]);
    }
    CasiersUtilises utilise{};
    for (std::size_t i = 0; i < lettres.size(); ++i) {
        const int x = coordonnee(cases, 2 * i);
        const int y = coordonnee(cases, 2 * i + 1);
        if (x == 0 || y == 0 || partie.plateau.grilleJeu()[x][y] != 0) continue;
        const int casier = choisirCasier(partie, lettres[i], utilise);
        if (casier == 0) continue;
        utilise[casier] = true;
        DonnerLettreJoker(partie, casiers[casier], lettres[i]);
        poserSurLaCase(partie, casiers[casier], x, y);
    }

    const bool visible = partie.sieges.estOrdinateur()[partie.deroulement.joueurCourant()] == 0;
    for (int j = 1; j <= tailleChevalet; ++j) {
        if (!utilise[j] && casiers[j] != 0) selectionnerEtRemettre(partie, casiers[j], visible);
    }
    partie.fenetre.modifier([](EtatControles& e) { e.pointsDuTour.visible = true; });
    return true;
}

}  // namespace glyphane
