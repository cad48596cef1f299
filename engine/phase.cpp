#include "engine/phase.h"

#include "engine/fenetre.h"

namespace glyphane {

namespace {

bool horsPartie(Phase phase) { return phase == Phase::sansPartie || phase == Phase::preparation; }

bool finie(Phase phase) { return phase == Phase::partieFinie || phase == Phase::revue; }

bool auHumain(Phase phase) {
    return phase == Phase::chevaletCache || phase == Phase::attenteMiseAJour || phase == Phase::humainJoue ||
           phase == Phase::echangeOuvert;
}

// The cover hides the rack in closed style except while its human plays; a
// finished game loaded from a file keeps it over the last rack, as it was shown.
bool chevaletCouvert(Phase phase, const Circonstances& c) {
    if (phase == Phase::chevaletCache) return true;
    const bool suitLeStyle = phase == Phase::chargement || phase == Phase::tourEnCours ||
                             phase == Phase::ordinateurJoue || phase == Phase::revue;
    return suitLeStyle && !c.styleOuvert;
}

}  // namespace

void appliquerPhase(EtatControles& e, Phase phase, const Circonstances& c) {
    e.phase = phase;
    e.circonstances = c;
    const bool enJeu = !horsPartie(phase) && !finie(phase);
    const bool commandes = phase == Phase::humainJoue || phase == Phase::echangeOuvert;
    const bool echange = phase == Phase::echangeOuvert;

    e.commencer = {phase == Phase::sansPartie || finie(phase), true};
    e.partieSauvegarder = e.commencer;
    e.recommencer = {enJeu, true};
    // A loaded game offers the menu entry from its first turn on.
    e.menuRecommencer = enJeu && phase != Phase::chargement;

    // A finished game loaded from a file keeps the turn buttons, off.
    const bool boutonsDuTour = (enJeu && !echange) || phase == Phase::revue;
    e.jouer = {boutonsDuTour, commandes};
    e.echange = e.jouer;
    e.captionEchange = c.sacVide ? captionPasser : captionEchangerNouvellePartie;
    e.okChangement = {echange, true};
    e.annulerEchange = {echange, true};
    e.eechange = {echange, true};

    const bool partieMontree = !horsPartie(phase);
    e.ejoueur = {partieMontree, true};
    e.pointsDuTour = {partieMontree, true};
    e.sac = {partieMontree, true};
    for (int s = 0; s <= nbSiegesMax; ++s) {
        const bool siegeJoue = partieMontree && s >= 1 && s <= c.nbJoueurs;
        e.nomJoueur[static_cast<std::size_t>(s)] = {siegeJoue, true};
        e.pointJoueur[static_cast<std::size_t>(s)] = {siegeJoue, true};
    }

    e.cacheLettres = {chevaletCouvert(phase, c), true};
    e.captionCacheLettres = c.siegeOrdinateur ? captionCacheOrdinateur : captionCacheHumain;
    e.cacheBoutonRevoir = {!finie(phase), true};

    // The chrono is set between games only.
    e.menuChrono = !enJeu;
    e.buttonChrono = {true, !enJeu};
    e.menuListeDeMot = commandes;
    e.menuVoir = commandes;
    // A game played to its end may still be saved, to be replayed later; the
    // computer's turn owns the model, so saving waits for a human's.
    e.menuSauvegarde = auHumain(phase) || phase == Phase::partieFinie;
    e.menuImprimer = auHumain(phase);
    e.menuCapture = auHumain(phase);
}

}  // namespace glyphane
