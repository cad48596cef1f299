#include "ai/joueur_ordinateur.h"

#include <chrono>
#include <new>
#include <string_view>
#include <system_error>
#include <utility>

#include "ai/creati_poss.h"
#include "ai/invalidation.h"
#include "ai/modeles_premier_coup.h"
#include "ai/segments.h"
#include "ai/tour_ordinateur.h"
#include "engine/pannes.h"

namespace glyphane {

namespace {

// The waiting thread is woken when the update ends; the poll only catches a flag
// lowered by someone else, such as a new game.
constexpr auto intervalleAttente = std::chrono::milliseconds(10);

void viderSegments(ModeleOrdinateur& modele) {
    for (auto& liste : modele.Segments) liste.clear();
}

}  // namespace

JoueurOrdinateur::JoueurOrdinateur(Jeu& jeuSuivi) : JoueurOrdinateur(jeuSuivi, TourOrdinateur) {}

JoueurOrdinateur::JoueurOrdinateur(Jeu& jeuSuivi, TourDeJeu tourOrdinateur, MesureMiseAJour mesureMiseAJour)
    : jeu(jeuSuivi), tour(std::move(tourOrdinateur)), mesure(std::move(mesureMiseAJour)) {
    jeu.ordinateur = this;
}

JoueurOrdinateur::~JoueurOrdinateur() {
    arreter();
    if (jeu.ordinateur == this) jeu.ordinateur = nullptr;
}

void JoueurOrdinateur::miseAJourApresCoup(int nbPoses) {
    std::lock_guard garde(verrou);
    if (!preparerMiseAJour()) return;
    lancerMiseAJour([this, nbPoses] {
        InvaliderAutourDuCoup(jeu, modele, nbPoses);
        InvaliderCasesCouvertes(jeu, modele);
        viderSegments(modele);
        EnumererSegments(jeu.partie, modele, nbPoses);
    });
}

void JoueurOrdinateur::miseAJourApresChargement() {
    std::lock_guard garde(verrou);
    if (!preparerMiseAJour()) return;
    lancerMiseAJour([this] {
        viderSegments(modele);
        EnumererSegmentsDuPlateau(jeu.partie, modele);
    });
}

void JoueurOrdinateur::lancerMiseAJour(const std::function<void()>& preparerSegments) {
    const auto debut = std::chrono::steady_clock::now();
    try {
        preparerSegments();
        lancerCreatiPoss(debut);
    } catch (const std::bad_alloc& panne) {
        abandonnerMiseAJour(panne);
    } catch (const std::system_error& panne) {
        abandonnerMiseAJour(panne);
    }
}

void JoueurOrdinateur::abandonnerMiseAJour(const std::exception& panne) {
    // No thread (or no memory) for this update: it is skipped, and the flag must
    // fall or the search would wait for it forever. What was invalidated stays
    // so; that only takes possibilities away.
    signalerPanne(jeu.vue, "mise à jour des possibilités", panne);
    viderSegments(modele);
    jeu.partie.drapeaux.miseAJourEnCours.store(0, std::memory_order_release);
    signalerFinMiseAJour();
}

bool JoueurOrdinateur::preparerMiseAJour() {
    // The lists are the update thread's until it ends: the previous one must be
    // over before they are touched again.
    joindreCreatiPoss();
    auto& drapeaux = jeu.partie.drapeaux;
    if (arrete) {
        drapeaux.miseAJourEnCours.store(0, std::memory_order_release);
        return false;
    }
    // A previous update ending late lowers the flag that the turn controller has
    // just raised for this one.
    drapeaux.miseAJourEnCours.store(1, std::memory_order_release);
    return true;
}

void JoueurOrdinateur::lancerCreatiPoss(std::chrono::steady_clock::time_point debut) {
    filCreatiPoss = std::thread([this, debut] {
        creatiPoss(jeu, modele);
        if (mesure) mesure(std::chrono::steady_clock::now() - debut);
        signalerFinMiseAJour();
    });
}

void JoueurOrdinateur::joindreCreatiPoss() {
    if (filCreatiPoss.joinable()) filCreatiPoss.join();
}

void JoueurOrdinateur::signalerFinMiseAJour() {
    { std::lock_guard garde(verrouSignal); }
    signalFin.notify_all();
}

void JoueurOrdinateur::attendreFinMiseAJour() {
    std::lock_guard garde(verrou);
    recolterAttentes(false);
    if (arrete) return;
    const SiegeEnAttente siege = siegeEnAttente(jeu.partie);
    std::uint64_t generationAttendue = 0;
    {
        std::lock_guard garde2(verrouSignal);
        generationAttendue = generation;
    }
    // Joins the others only once its thread runs: a wait without one could not
    // be joined.
    std::list<Attente> nouvelle(1);
    Attente& attente = nouvelle.front();
    attente.fil = std::thread([this, &attente, siege, generationAttendue] {
        if (attendreMiseAJour(generationAttendue)) RendreCommandesApresMiseAJour(jeu, siege);
        attente.finie.store(true, std::memory_order_release);
    });
    attentes.splice(attentes.end(), nouvelle);
}

bool JoueurOrdinateur::attendreMiseAJour(std::uint64_t generationAttendue) {
    std::unique_lock verrouille(verrouSignal);
    for (;;) {
        if (generation != generationAttendue) return false;
        if (jeu.partie.drapeaux.miseAJourEnCours.load(std::memory_order_acquire) == 0) return true;
        signalFin.wait_for(verrouille, intervalleAttente);
    }
}

void JoueurOrdinateur::oublierAttentes() {
    {
        std::lock_guard garde(verrouSignal);
        ++generation;
    }
    signalFin.notify_all();
}

void JoueurOrdinateur::recolterAttentes(bool toutes) {
    for (auto it = attentes.begin(); it != attentes.end();) {
        if (toutes || it->finie.load(std::memory_order_acquire)) {
            it->fil.join();
            it = attentes.erase(it);
        } else {
            ++it;
        }
    }
}

void JoueurOrdinateur::demarrerTourOrdinateur() {
    std::lock_guard garde(verrou);
    if (arrete) return;
    ordinateur.confier([this] { jouerUnTour(); });
}

// The body of the computer's thread. The turn handles the failures it expects;
// one that escapes still must not end the program or leave the seat marked busy.
void JoueurOrdinateur::jouerUnTour() {
    constexpr std::string_view lieu = "fil de l'ordinateur";
    try {
        tour(jeu, modele);
        return;
    } catch (const std::exception& panne) {
        signalerPanne(jeu.vue, lieu, panne);
    } catch (...) {
        signalerPanneInconnue(jeu.vue, lieu);
    }
    jeu.partie.drapeaux.ordiOccupe.store(0, std::memory_order_release);
}

void JoueurOrdinateur::jetonFixe(int x, int y, char lettre, int valeur) {
    NoterDansLesMotifs(modele, x, y, lettre, valeur);
}

void JoueurOrdinateur::oublierModelesPremierCoup() {
    for (auto& liste : modele.Possibilites) liste.clear();
}

void JoueurOrdinateur::traiterEvenements() { jeu.vue.TraiterEvenements(); }

void JoueurOrdinateur::reinitialiser(bool avecModeles) {
    // Not under `verrou`: the computer's turn may need it to hand over.
    ordinateur.attendreInactif([this] { traiterEvenements(); });
    std::lock_guard garde(verrou);
    joindreCreatiPoss();
    oublierAttentes();
    recolterAttentes(false);
    arrete = false;
    ReinitialiserModeleOrdinateur(modele, avecModeles);
}

void JoueurOrdinateur::arreter() {
    {
        std::lock_guard garde(verrou);
        arrete = true;
    }
    // Queued turns go before the flags rise: the running turn ends on them, and
    // the next one must not start in its place.
    ordinateur.demanderArret();
    auto& drapeaux = jeu.partie.drapeaux;
    drapeaux.arretDemande.store(1, std::memory_order_release);
    drapeaux.arretMiseAJour.store(1, std::memory_order_release);
    ordinateur.arreter([this] { traiterEvenements(); });
    std::lock_guard garde(verrou);
    joindreCreatiPoss();
    drapeaux.miseAJourEnCours.store(0, std::memory_order_release);
    oublierAttentes();
    recolterAttentes(true);
    drapeaux.ordiOccupe.store(0, std::memory_order_release);
}

void JoueurOrdinateur::attendreInactivite() {
    ordinateur.attendreInactif([this] { traiterEvenements(); });
    std::lock_guard garde(verrou);
    joindreCreatiPoss();
    recolterAttentes(true);
}

}  // namespace glyphane
