#include "ai/liste_mots.h"

#include <algorithm>
#include <new>

#include "ai/controles_ordinateur.h"
#include "ai/recherche_coups.h"
#include "engine/chevalet.h"
#include "engine/evaluation.h"
#include "engine/pannes.h"

namespace glyphane {

namespace {

// The list shows more than a line break's worth of text once it is filled.
constexpr std::size_t texteDUneListeMontree = 2;

void activerListeDeMot(Jeu& jeu, bool actif) {
    activerMenu(jeu.partie, &EtatControles::menuListeDeMot, actif);
    jeu.vue.ActualiserControles();
}

// Only a line the list shows can be clicked. Once the list is cleared (a play
// clears it) the candidates behind it come from an earlier search, maybe for
// another rack: a click on the empty list only takes the tiles back.
bool ligneAffichee(Partie& partie, const ModeleOrdinateur& modele, int ligne) {
    std::size_t lignes = 0;
    partie.fenetre.modifier([&lignes](EtatControles& e) { lignes = e.memo1.size(); });
    lignes = std::min(lignes, modele.Candidats.size());
    return ligne >= 0 && static_cast<std::size_t>(ligne) < lignes;
}

}  // namespace

bool listeMontree(Partie& partie) { return longueurTexteMemo(partie) > texteDUneListeMontree; }

bool listerMots(Jeu& jeu, ModeleOrdinateur& modele) {
    if (listeMontree(jeu.partie)) return false;
    activerListeDeMot(jeu, false);
    jeu.vue.TraiterEvenements();
    fixerProgression(jeu.partie, 0);
    try {
        ChercherCoups(jeu, modele);
    } catch (const std::bad_alloc& panne) {
        signalerPanne(jeu.vue, "liste de mots", panne);
        fixerProgression(jeu.partie, 0);
    }
    activerListeDeMot(jeu, true);
    return true;
}

void choisirMotDeLaListe(Jeu& jeu, const ModeleOrdinateur& modele, int ligne) {
    Partie& partie = jeu.partie;
    // The cover over the list can be clicked while the computer plays; its
    // thread owns the board and the rack then.
    if (partie.drapeaux.ordiOccupe.load() == 1 || estSiegeOrdinateur(partie)) return;
    activerFenetre(partie, false);
    partie.ecran.surlignageSuggestion = false;
    partie.ecran.surlignageDernierCoup = false;
    partie.ecran.grilleSuggestion = {};
    RetirerCoup(partie);
    if (ligneAffichee(partie, modele, ligne)) {
        PoserTexteDeCoup(partie, modele.Candidats[static_cast<std::size_t>(ligne)].coup);
    }
    EvaluerCoup(partie);
    partie.ecran.surlignageSuggestion = true;
    jeu.vue.Rafraichir();
    activerFenetre(partie, true);
}

}  // namespace glyphane
