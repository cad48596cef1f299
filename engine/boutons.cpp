#include "engine/boutons.h"

#include "engine/affichage.h"
#include "engine/chevalet.h"
#include "engine/evaluation.h"
#include "engine/regles.h"
#include "engine/tour.h"
#include "engine/verification_mots.h"

namespace glyphane {

namespace {

bool partieFinie(const Partie& partie) { return partie.partieFinie == partieTerminee; }

void panneauEchange(EtatControles& e, bool ouvert) {
    e.eechange.visible = ouvert;
    e.okChangement = {ouvert, true};
    e.annulerEchange = {ouvert, true};
    e.echange.visible = !ouvert;
    e.jouer.visible = !ouvert;
}

}  // namespace

void JouerClick(Jeu& jeu) {
    Partie& partie = jeu.partie;
    if (partieFinie(partie)) return;
    partie.fenetre.modifier([](EtatControles& e) { e.memo1.clear(); });
    partie.motsConnus = 1;
    EvaluerCoup(partie);
    VerifierMots(jeu);
    switch (VerifierPlacement(jeu)) {
        case IssuePlacement::coupJoue:
        case IssuePlacement::coupRetire:
            TourSuivant(jeu);
            break;
        case IssuePlacement::rapportMotsRefuses:
            RapportMotsRefuses(jeu);
            break;
        case IssuePlacement::resteDansLeTour:
        case IssuePlacement::lettreJokerChoisie:
            jeu.vue.Rafraichir();
            break;
    }
}

void EchangeClick(Jeu& jeu) {
    Partie& partie = jeu.partie;
    if (partieFinie(partie)) return;
    bool passer = false;
    partie.fenetre.modifier([&](EtatControles& e) {
        passer = e.captionEchange == captionPasser;
        if (!passer) panneauEchange(e, true);
    });
    if (!passer) {
        jeu.vue.Rafraichir();
        return;
    }
    partie.passe[partie.joueurCourant] = 1;
    partie.finDeTourSansPoints = 1;
    TourSuivant(jeu);
}

void OkChangementClick(Jeu& jeu) {
    Partie& partie = jeu.partie;
    if (partieFinie(partie)) return;
    partie.plateau.grilleJeu = partie.plateau.grilleFixe;
    partie.surlignageDernierCoup = false;
    partie.surlignageSuggestion = false;
    partie.fenetre.modifier([](EtatControles& e) { panneauEchange(e, false); });
    partie.finDeTourSansPoints = 1;
    TourSuivant(jeu);
}

void AnnulerEchangeClick(Jeu& jeu) {
    Partie& partie = jeu.partie;
    if (partieFinie(partie)) return;
    partie.nbJetonsEchanges = 0;
    RemettreChevaletDuTour(partie);
    partie.fenetre.modifier([](EtatControles& e) { panneauEchange(e, false); });
    jeu.vue.Rafraichir();
}

void CacheLettresClick(Jeu& jeu) {
    Partie& partie = jeu.partie;
    if (partieFinie(partie) || partie.estOrdinateur[partie.joueurCourant] != 0) return;
    const bool attendre = partie.drapeaux.miseAJourEnCours.load() == 1 && jeu.ordinateur != nullptr;
    partie.fenetre.modifier([&](EtatControles& e) {
        e.cacheLettres.visible = false;
        if (e.chronoParTour || e.chronoTotal) e.chronoEnMarche = true;
        if (attendre) return;
        e.echange.actif = true;
        e.jouer.actif = true;
        e.menuListeDeMot = true;
        e.menuVoir = true;
    });
    if (attendre) jeu.ordinateur->attendreFinMiseAJour();
    jeu.vue.Rafraichir();
}

void StyleDeJeuClick(Partie& partie) { DonnerStyle(partie, partie.styleOuvert == 0); }

void StylebClick(Partie& partie) {
    partie.fenetre.modifier([](EtatControles& e) { e.panelAideClavier.visible = false; });
    StyleDeJeuClick(partie);
}

}  // namespace glyphane
