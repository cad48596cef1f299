#include "engine/nouvelle_partie.h"

#include <string>
#include <vector>

#include "engine/affichage.h"
#include "engine/tirage_ordre.h"
#include "engine/tour.h"
#include "lexicon/texte_windows.h"

namespace glyphane {

namespace {

void reinitialiserPlateau(Partie& partie) {
    partie.plateau = Plateau{};
    partie.grilleDernierCoup = {};
    partie.ecran.surlignageDernierCoup = false;
    EffacerSuggestion(partie);
}

void reinitialiserJetons(Partie& partie) {
    partie.ecran.images.fill(ImageJeton{});
    partie.sac = Sac{};
    partie.chevalet = Chevalet{};
    partie.chevaletDuTour = {};
    partie.sieges.liberer();
    partie.jetonSelectionne = 0;
}

void reinitialiserDrapeaux(Partie& partie) {
    partie.finDeTourSansPoints = 0;
    partie.placementInvalide = 0;
    partie.pointsDuCoup = 0;
    partie.nbJetonsEchanges = 0;
    partie.limiteRevoir = 0;
    partie.positionRevoir = 0;
    partie.drapeaux.miseAJourEnCours = 0;
    partie.drapeaux.ordiOccupe = 0;
    partie.drapeaux.arretDemande = 0;
    partie.drapeaux.arretMiseAJour = 0;
}

void reinitialiserHistorique(Partie& partie) {
    partie.deroulement = Deroulement{};
    partie.evaluation = Evaluation{};
}

// A linked computer player empties its own lists and rows (it knows how to
// seed them); without one there is nothing to keep.
void reinitialiserOrdinateur(Jeu& jeu, bool avecModeles) {
    if (jeu.ordinateur != nullptr) jeu.ordinateur->reinitialiser(avecModeles);
}

std::string nomDuSiege(const ChoixNoms& choix, int siege) {
    if (choix.ordinateur[siege]) return "Ordi " + std::to_string(siege);
    if (choix.noms[siege].empty()) return "Joueur " + std::to_string(siege);
    return texte::premiersCaracteres(choix.noms[siege], longueurNomMax);
}

}  // namespace

void ReinitialiserPartie(Jeu& jeu, bool avecModeles) {
    Partie& partie = jeu.partie;
    // First, while the stop flags are still up: the computer player waits there
    // for its threads, which must not see the model being reset under them.
    reinitialiserOrdinateur(jeu, avecModeles);
    reinitialiserPlateau(partie);
    reinitialiserJetons(partie);
    reinitialiserDrapeaux(partie);
    reinitialiserHistorique(partie);
    AfficherSansPartie(partie);
    partie.fenetre.modifier([](EtatControles& e) {
        e.enbLettreDispo = std::to_string(nbJetons);
        e.memo1.clear();
    });
    jeu.temporaires.vider();
    jeu.vue.Rafraichir();
}

void DemanderNombreJoueurs(Jeu& jeu) {
    Partie& partie = jeu.partie;
    partie.sieges.fixerNombreJoueurs(0);
    while (partie.sieges.nbJoueurs() == 0) partie.sieges.fixerNombreJoueurs(jeu.vue.DemanderNombreJoueurs());
}

int DemanderNoms(Jeu& jeu) {
    Partie& partie = jeu.partie;
    const ChoixNoms choix = jeu.vue.DemanderNoms(partie.sieges.nbJoueurs(), partie.sieges.styleOuvert() == 1);
    DonnerStyle(partie, choix.styleOuvert);
    if (!choix.ok) return nomsRetour;
    for (int siege = 1; siege <= partie.sieges.nbJoueurs(); ++siege) {
        partie.sieges.nommer(siege, nomDuSiege(choix, siege));
        partie.sieges.confierALOrdinateur(siege, choix.ordinateur[siege]);
    }
    return nomsOk;
}

void PremierTour(Jeu& jeu) {
    jeu.partie.deroulement.donnerLaMainA(1);
    AfficherDebutPartie(jeu.partie);
    EntrerDansPhase(jeu.partie, Phase::tourEnCours);
    // The deal and a computer's first move take a while: the window shows the
    // game (its names, no new-game buttons) from now on, not once they are done.
    jeu.vue.Rafraichir();
    TourSuivant(jeu);
}

void NouvellePartie(Jeu& jeu) {
    Partie& partie = jeu.partie;
    ReinitialiserPartie(jeu, true);
    EntrerDansPhase(partie, Phase::preparation);
    jeu.vue.ActualiserControles();
    do {
        DemanderNombreJoueurs(jeu);
    } while (DemanderNoms(jeu) != nomsOk);
    if (partie.sieges.nbJoueurs() > 1) TirageOrdre(jeu);
    PremierTour(jeu);
}

}  // namespace glyphane
