#include "ai/tour_ordinateur.h"

#include <algorithm>
#include <chrono>
#include <new>
#include <system_error>

#include "ai/choix_coup.h"
#include "ai/controles_ordinateur.h"
#include "ai/echange_ordinateur.h"
#include "ai/niveaux.h"
#include "ai/recherche_coups.h"
#include "engine/attente_mise_a_jour.h"
#include "engine/chevalet.h"
#include "engine/evaluation.h"
#include "engine/pannes.h"
#include "engine/tour.h"
#include "engine/verification_mots.h"

namespace glyphane {

namespace {

using namespace std::chrono_literals;

// ordiOccupe tells the quit and restart sequences that a computer turn is under
// way; it must fall on every way out, exceptions included.
class TourEnCours {
public:
    explicit TourEnCours(Drapeaux& d) : drapeaux(d) { drapeaux.ordiOccupe.store(1); }
    ~TourEnCours() { drapeaux.ordiOccupe.store(0); }
    TourEnCours(const TourEnCours&) = delete;
    TourEnCours& operator=(const TourEnCours&) = delete;

private:
    Drapeaux& drapeaux;
};

// A search that runs out of memory leaves the candidates it found so far.
void rechercher(Jeu& jeu, ModeleOrdinateur& modele) {
    if (arretDemande(jeu.partie)) return;
    try {
        if (!ChercherCoups(jeu, modele)) jeu.partie.drapeaux.ordiOccupe.store(0);
    } catch (const std::bad_alloc& panne) {
        signalerPanne(jeu.vue, "recherche du tour de l'ordinateur", panne);
        jeu.cadence.pause(2ms);
    }
}

// A candidate the evaluation finds badly placed would score nothing: it fails
// like one forming an unknown word, so that the next one gets its chance.
bool coupAccepte(Jeu& jeu) {
    Partie& partie = jeu.partie;
    partie.motsConnus = 1;
    const bool evalue = EvaluerCoup(partie);
    VerifierMots(jeu);
    return evalue && partie.motsConnus == 1;
}

std::optional<int> choisir(const Partie& partie, const ModeleOrdinateur& modele,
                           const std::vector<std::int32_t>& points, std::int32_t& cible, const Essayes& essayes) {
    if (chevaletContient(partie, jetonQ)) {
        if (const auto choix = choisirAvecLeQ(modele.Candidats, essayes)) return choix;
    }
    return choisirParNiveau(points, cible, essayes);
}

bool poser(Partie& partie, const std::string& texte) {
    return PoserTexteDeCoup(partie, texte) || PoserTexteDeCoup(partie, texte);
}

void abandonner(Jeu& jeu) {
    RetirerCoup(jeu.partie);
    jeu.partie.finDeTourSansPoints = 1;
    // With the bag empty, a turn given up is a pass: otherwise a seat that keeps
    // failing would keep the game from ever ending by passes.
    if (jeu.partie.sac.jetonsDansSac() <= 0) jeu.partie.deroulement.noterPasse(jeu.partie.deroulement.joueurCourant());
    jeu.partie.drapeaux.ordiOccupe.store(0);
    jeu.vue.Rafraichir();
}

void echangerOuPasser(Jeu& jeu) {
    Partie& partie = jeu.partie;
    if (partie.sac.jetonsDansSac() >= jetonsPourEchanger) {
        EchangerOrdi(jeu);
    } else {
        partie.deroulement.noterPasse(partie.deroulement.joueurCourant());
    }
    partie.finDeTourSansPoints = 1;
}

// Everything after the search; true when the turn is to be handed over.
bool jouerLeTour(Jeu& jeu, const ModeleOrdinateur& modele) {
    Partie& partie = jeu.partie;
    const Niveau& niveau = niveauNumero(niveauCourant(partie));
    const std::int32_t cible =
        cibleDuTour(pointsDes(modele.Candidats), partie.sac.jetonsDansSac(), niveau.diviseur);
    if (arretDemande(partie)) return false;
    if (modele.Candidats.empty()) {
        echangerOuPasser(jeu);
        return true;
    }
    return JouerLesCandidats(jeu, modele, cible) != IssueCandidats::arret;
}

}  // namespace

IssueCandidats JouerLesCandidats(Jeu& jeu, const ModeleOrdinateur& modele, std::int32_t cible) {
    Partie& partie = jeu.partie;
    const std::vector<std::int32_t> points = pointsDes(modele.Candidats);
    Essayes essayes;
    while (essayes.size() < essaisMax) {
        RetirerCoup(partie);
        if (arretDemande(partie)) return IssueCandidats::arret;
        const std::optional<int> choix = choisir(partie, modele, points, cible, essayes);
        if (!choix) break;
        if (poser(partie, modele.Candidats[static_cast<std::size_t>(*choix)].coup)) {
            if (arretDemande(partie)) return IssueCandidats::arret;
            if (coupAccepte(jeu)) {
                jeu.vue.Rafraichir();
                jeu.cadence.pause(500ms);
                return IssueCandidats::coupPose;
            }
        }
        essayes.push_back(*choix);
    }
    abandonner(jeu);
    return IssueCandidats::abandon;
}

void TourOrdinateurRelaye(Jeu& jeu, ModeleOrdinateur& modele, const RelaisTourSuivant& tourSuivant) {
    Partie& partie = jeu.partie;
    if (!attendreFinMiseAJour(jeu) || partie.deroulement.partieFinie() == partieTerminee) return;
    const TourEnCours tourEnCours(partie.drapeaux);
    rechercher(jeu, modele);
    bool passerLaMain = false;
    try {
        passerLaMain = jouerLeTour(jeu, modele);
    } catch (const std::bad_alloc& panne) {
        signalerPanne(jeu.vue, "tour de l'ordinateur", panne);
        partie.drapeaux.ordiOccupe.store(0);
        if (arretDemande(partie)) return;
        RetirerCoup(partie);
        partie.finDeTourSansPoints = 1;
        passerLaMain = true;
    }
    if (!passerLaMain || arretDemande(partie)) return;
    // The turn controller has taken the turn over by the time it fails: running
    // it a second time could commit the move twice, so its failure ends here.
    // It starts threads (the wait for the update) besides allocating.
    try {
        tourSuivant(jeu);
    } catch (const std::bad_alloc& panne) {
        signalerPanne(jeu.vue, "relais du tour de l'ordinateur", panne);
    } catch (const std::system_error& panne) {
        signalerPanne(jeu.vue, "relais du tour de l'ordinateur", panne);
    }
}

void TourOrdinateur(Jeu& jeu, ModeleOrdinateur& modele) { TourOrdinateurRelaye(jeu, modele, TourSuivant); }

}  // namespace glyphane
