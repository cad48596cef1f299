#include "engine/boutons.h"

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

bool partieFinie(const Partie& partie) { return partie.deroulement.partieFinie() == partieTerminee; }

// In open style the turn buttons come on while the possibility update still
// runs, and until it ends the evaluation judges nothing (the move would be told
// it must score) and a refused-word report would add to the dictionary the
// update is reading. The click waits for it, with the turn's controls off so that
// the events handled meanwhile cannot start another play, an exchange or a
// search that would take the move's tiles back. False when a stop came first:
// the restart then owns the controls.
bool attendreLaMiseAJour(Jeu& jeu) {
    Partie& partie = jeu.partie;
    if (partie.drapeaux.miseAJourEnCours.load() != 1) return true;
    const bool enAttente = ChangerDePhase(partie, Phase::humainJoue, Phase::attenteMiseAJour);
    jeu.vue.ActualiserControles();
    if (!attendreFinMiseAJour(jeu)) return false;
    if (enAttente) ChangerDePhase(partie, Phase::attenteMiseAJour, Phase::humainJoue);
    jeu.vue.ActualiserControles();
    return true;
}

}  // namespace

void jouerCoup(Jeu& jeu) {
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

void ouvrirEchangeOuPasser(Jeu& jeu) {
    Partie& partie = jeu.partie;
    if (partieFinie(partie)) return;
    if (!sacVide(partie)) {
        EntrerDansPhase(partie, Phase::echangeOuvert);
        jeu.vue.Rafraichir();
        return;
    }
    partie.deroulement.noterPasse(partie.deroulement.joueurCourant());
    partie.finDeTourSansPoints = 1;
    TourSuivant(jeu);
}

void validerEchange(Jeu& jeu) {
    Partie& partie = jeu.partie;
    if (partieFinie(partie)) return;
    partie.plateau.retirerPoses();
    partie.ecran.surlignageDernierCoup = false;
    partie.ecran.surlignageSuggestion = false;
    EntrerDansPhase(partie, Phase::humainJoue);
    partie.finDeTourSansPoints = 1;
    TourSuivant(jeu);
}

void annulerEchange(Jeu& jeu) {
    Partie& partie = jeu.partie;
    if (partieFinie(partie)) return;
    partie.nbJetonsEchanges = 0;
    RemettreChevaletDuTour(partie);
    EntrerDansPhase(partie, Phase::humainJoue);
    jeu.vue.Rafraichir();
}

void decouvrirChevalet(Jeu& jeu) {
    Partie& partie = jeu.partie;
    if (partieFinie(partie) || partie.sieges.estOrdinateur()[partie.deroulement.joueurCourant()] != 0) return;
    const bool attendre = partie.drapeaux.miseAJourEnCours.load() == 1 && jeu.ordinateur != nullptr;
    if (!ChangerDePhase(partie, Phase::chevaletCache, attendre ? Phase::attenteMiseAJour : Phase::humainJoue)) {
        return;
    }
    partie.fenetre.modifier([](EtatControles& e) {
        if (e.chronoParTour || e.chronoTotal) e.chronoEnMarche = true;
    });
    if (attendre) jeu.ordinateur->attendreFinMiseAJour();
    jeu.vue.Rafraichir();
}

void changerStyle(Partie& partie) { DonnerStyle(partie, partie.sieges.styleOuvert() == 0); }

}  // namespace glyphane
