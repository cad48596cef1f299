#include "engine/boutons.h"

#include <utility>

#include "engine/affichage.h"
#include "engine/attente_mise_a_jour.h"
#include "engine/chevalet.h"
#include "engine/evaluation.h"
#include "engine/regles.h"
#include "engine/tirage.h"
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

// In open style the turn buttons come on while the possibility update still
// runs, and until it ends the evaluation judges nothing (the move would be told
// it must score) and a refused-word report would add to the dictionary the
// update is reading. The click waits for it, with the turn buttons off so that
// the events handled meanwhile cannot start another play or an exchange. False
// when a stop came first: the restart then owns the controls.
bool attendreLaMiseAJour(Jeu& jeu) {
    Partie& partie = jeu.partie;
    if (partie.drapeaux.miseAJourEnCours.load() != 1) return true;
    bool jouerActif = false;
    bool echangeActif = false;
    partie.fenetre.modifier([&](EtatControles& e) {
        jouerActif = std::exchange(e.jouer.actif, false);
        echangeActif = std::exchange(e.echange.actif, false);
    });
    jeu.vue.ActualiserControles();
    if (!attendreFinMiseAJour(jeu)) return false;
    partie.fenetre.modifier([&](EtatControles& e) {
        e.jouer.actif = jouerActif;
        e.echange.actif = echangeActif;
    });
    jeu.vue.ActualiserControles();
    return true;
}

}  // namespace

void JouerClick(Jeu& jeu) {
    Partie& partie = jeu.partie;
    if (partieFinie(partie) || !attendreLaMiseAJour(jeu)) return;
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
    if (!sacVide(partie)) {
        partie.fenetre.modifier([](EtatControles& e) { panneauEchange(e, true); });
        jeu.vue.Rafraichir();
        return;
    }
    partie.deroulement.noterPasse(partie.deroulement.joueurCourant());
    partie.finDeTourSansPoints = 1;
    TourSuivant(jeu);
}

void OkChangementClick(Jeu& jeu) {
    Partie& partie = jeu.partie;
    if (partieFinie(partie)) return;
    partie.plateau.retirerPoses();
    partie.ecran.surlignageDernierCoup = false;
    partie.ecran.surlignageSuggestion = false;
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
    if (partieFinie(partie) || partie.estOrdinateur[partie.deroulement.joueurCourant()] != 0) return;
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
