#pragma once
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <list>
#include <mutex>
#include <thread>

#include "ai/fil_ordinateur.h"
#include "ai/modele_ordinateur.h"
#include "engine/jeu.h"

// The computer player as the turn controller sees it: it keeps the possibility
// lists up to date after every move and plays the computer seats, and it owns
// every thread doing so. Threads are joined, never left behind: by the next
// update, by a new game, by arreter() and at the latest by the destructor.
namespace glyphane {

class JoueurOrdinateur final : public CrochetsOrdinateur {
public:
    // Plays one computer turn to its end, handing over to the turn controller.
    using TourDeJeu = std::function<void(Jeu&, ModeleOrdinateur&)>;
    // Told, on the update thread, how long each possibility update took from
    // the invalidation to the end of its thread.
    using MesureMiseAJour = std::function<void(std::chrono::steady_clock::duration)>;

    // Attaches itself to the game (jeu.ordinateur) until destroyed; plays the
    // computer's turns with TourOrdinateur unless told otherwise.
    explicit JoueurOrdinateur(Jeu& jeuSuivi);
    JoueurOrdinateur(Jeu& jeuSuivi, TourDeJeu tourOrdinateur, MesureMiseAJour mesureMiseAJour = {});
    JoueurOrdinateur(const JoueurOrdinateur&) = delete;
    JoueurOrdinateur& operator=(const JoueurOrdinateur&) = delete;
    ~JoueurOrdinateur() override;

    // The board rows learn the tile, on the turn controller's thread.
    void jetonFixe(int x, int y, char lettre, int valeur) override;
    void oublierModelesPremierCoup() override;
    // On the caller's thread: invalidation and segments; then the update thread.
    void miseAJourApresCoup(int nbPoses) override;
    // A thread that gives a human the controls back once the update is over.
    void attendreFinMiseAJour() override;
    // Queues the current seat's turn on the computer's thread.
    void demarrerTourOrdinateur() override;
    // Waits for the computer's thread and the update to be done, then empties
    // the lists (seeded for the first move when asked). A stop by arreter() ends
    // here: threads may start again.
    void reinitialiser(bool avecModeles) override;

    // A loaded game: the segments of every occupied square, then the update
    // thread, the turn controller having raised miseAJourEnCours as after a move.
    void miseAJourApresChargement() override;

    // Quit or restart: raises arretDemande and arretMiseAJour, lets every thread
    // end and joins it, and leaves miseAJourEnCours and ordiOccupe at 0. No thread
    // starts again until reinitialiser().
    void arreter() override;

    // Until no computer turn is queued or running and no update runs (the
    // console waits so for the computer seats to have played).
    void attendreInactivite();

    // The lists, rows and candidates, for the window's own searches (the word
    // list, the shown move) and for tests.
    ModeleOrdinateur& modeleOrdinateur() { return modele; }

private:
    struct Attente {
        std::thread fil;
        std::atomic<bool> finie{false};
    };

    // These expect `verrou` held.
    bool preparerMiseAJour();
    void lancerMiseAJour(const std::function<void()>& preparerSegments);
    void abandonnerMiseAJour(const std::exception& panne);
    void lancerCreatiPoss(std::chrono::steady_clock::time_point debut);
    void joindreCreatiPoss();
    void recolterAttentes(bool toutes);

    void jouerUnTour();
    // True once the update is over; false when the game it waited in is gone.
    bool attendreMiseAJour(std::uint64_t generationAttendue);
    // Makes the waiting threads of an earlier game give up.
    void oublierAttentes();
    void signalerFinMiseAJour();
    void traiterEvenements();

    Jeu& jeu;
    TourDeJeu tour;
    MesureMiseAJour mesure;
    ModeleOrdinateur modele;

    std::mutex verrou;  // the thread handles below and `arrete`
    bool arrete = false;
    std::thread filCreatiPoss;
    std::list<Attente> attentes;

    std::mutex verrouSignal;
    std::condition_variable signalFin;
    std::uint64_t generation = 0;  // under verrouSignal

    FilOrdinateur ordinateur;
};

}  // namespace glyphane
