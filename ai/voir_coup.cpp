#include "ai/voir_coup.h"

#include <limits>
#include <new>
#include <string>

#include "ai/choix_coup.h"
#include "ai/controles_ordinateur.h"
#include "ai/echange_ordinateur.h"
#include "ai/recherche_coups.h"
#include "engine/chevalet.h"
#include "engine/evaluation.h"
#include "engine/messages.h"
#include "engine/pannes.h"

namespace glyphane {

namespace {

constexpr std::int32_t sansLimite = std::numeric_limits<std::int32_t>::max();

void effacerSurlignages(Jeu& jeu) {
    Partie& partie = jeu.partie;
    if (!partie.ecran.surlignageSuggestion && !partie.ecran.surlignageDernierCoup) return;
    partie.ecran.surlignageSuggestion = false;
    partie.ecran.surlignageDernierCoup = false;
    jeu.vue.Rafraichir();
}

void preparer(Partie& partie) {
    partie.fenetre.modifier([](EtatControles& e) {
        e.fenetreActive = false;
        e.memo1.clear();
        e.memoCache.visible = false;
    });
    partie.drapeaux.ordiOccupe.store(1);
}

// A second search when the first found nothing; false when a stop was asked.
bool rechercher(Jeu& jeu, ModeleOrdinateur& modele) {
    for (int essai = 0; essai < 2 && !arretDemande(jeu.partie); ++essai) {
        fixerProgression(jeu.partie, 0);
        ChercherCoups(jeu, modele);
        if (!modele.Candidats.empty()) break;
    }
    return !arretDemande(jeu.partie);
}

void annoncerRienAJouer(Jeu& jeu) {
    const std::string_view texte =
        jeu.partie.sac.jetonsDansSac() >= jetonsPourEchanger ? messages::echangeDeLettres : messages::passeUnTour;
    jeu.vue.AfficherMessage(std::string(texte), std::string(messages::titreResultat));
}

// Lays the best candidates in turn until one stands on the board; false after
// ten failures, the board then as the turn began.
bool poserLeMeilleur(Jeu& jeu, const ModeleOrdinateur& modele) {
    Partie& partie = jeu.partie;
    const std::vector<std::int32_t> points = pointsDes(modele.Candidats);
    Essayes essayes;
    while (essayes.size() < essaisMax) {
        const std::optional<int> choix = meilleurSousLaCible(points, sansLimite, essayes);
        if (!choix || static_cast<std::size_t>(*choix) >= modele.Candidats.size()) break;
        partie.ecran.grilleSuggestion = {};
        RetirerCoup(partie);
        if (PoserTexteDeCoup(partie, modele.Candidats[static_cast<std::size_t>(*choix)].coup) &&
            EvaluerCoup(partie)) {
            return true;
        }
        essayes.push_back(*choix);
    }
    return false;
}

void abandonner(Jeu& jeu) {
    jeu.partie.drapeaux.ordiOccupe.store(0);
    RetirerCoup(jeu.partie);
    jeu.vue.Rafraichir();
    activerFenetre(jeu.partie, true);
}

void montrer(Jeu& jeu) {
    Partie& partie = jeu.partie;
    fixerProgression(partie, 0);
    partie.drapeaux.ordiOccupe.store(0);
    EvaluerCoup(partie);
    partie.ecran.surlignageSuggestion = true;
    jeu.vue.Rafraichir();
    activerFenetre(partie, true);
}

}  // namespace

void voirLeCoupdeLOrdiCherche(Jeu& jeu, ModeleOrdinateur& modele) {
    Partie& partie = jeu.partie;
    fixerProgression(partie, 0);
    effacerSurlignages(jeu);
    preparer(partie);
    try {
        if (rechercher(jeu, modele)) {
            if (modele.Candidats.empty()) {
                annoncerRienAJouer(jeu);
            } else if (!poserLeMeilleur(jeu, modele)) {
                abandonner(jeu);
                return;
            }
        }
    } catch (const std::bad_alloc& panne) {
        // The window thread must not lose the window to a failed search: the
        // board goes back to the turn's start and the window comes back.
        signalerPanne(jeu.vue, "coup de l'ordinateur montré", panne);
        abandonner(jeu);
        return;
    }
    montrer(jeu);
}

bool voirPermis(Jeu& jeu) {
    return jeu.partie.fenetre.phase() == Phase::humainJoue &&
           jeu.partie.drapeaux.miseAJourEnCours.load(std::memory_order_acquire) != 1;
}

bool voirCoupOrdinateur(Jeu& jeu, ModeleOrdinateur& modele) {
    activerMenu(jeu.partie, &EtatControles::menuVoir, false);
    const bool permis = voirPermis(jeu);
    if (permis) voirLeCoupdeLOrdiCherche(jeu, modele);
    activerMenu(jeu.partie, &EtatControles::menuVoir, true);
    jeu.vue.ActualiserControles();
    return permis;
}

}  // namespace glyphane
