#pragma once
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

// The computer's turns run one after another on one long-lived thread. A turn
// ends by handing over to the turn controller, which starts the next computer
// turn from that very thread: it is queued here and runs once the current one has
// returned, so no thread ever waits for itself and the stack does not grow with
// every turn of a game between computer seats.
namespace glyphane {

class FilOrdinateur {
public:
    FilOrdinateur() = default;
    FilOrdinateur(const FilOrdinateur&) = delete;
    FilOrdinateur& operator=(const FilOrdinateur&) = delete;
    ~FilOrdinateur();

    // Queues the work, starting the thread when none runs.
    void confier(std::function<void()> travail);

    // Both wait calling pendantLAttente now and then: on the window thread it
    // handles the events that the running work may be waiting for.

    // Blocks until nothing is queued or running; from the thread itself it
    // returns at once.
    void attendreInactif(const std::function<void()>& pendantLAttente = {});

    // Drops what is queued and lets nothing more run: the running work is the
    // last. The thread ends once it returns.
    void demanderArret();

    // demanderArret(), then waits for the running work to end and joins the
    // thread; from the thread itself it does not wait. Work confided afterwards
    // starts a new thread.
    void arreter(const std::function<void()>& pendantLAttente = {});

private:
    void boucle();
    void attendre(std::unique_lock<std::mutex>& verrouille, const std::function<bool()>& condition,
                  const std::function<void()>& pendantLAttente);

    std::mutex verrou;
    std::condition_variable signal;
    std::deque<std::function<void()>> travaux;
    bool occupe = false;
    bool arret = false;
    bool fini = false;
    std::thread::id identifiant;
    std::thread fil;
};

}  // namespace glyphane
