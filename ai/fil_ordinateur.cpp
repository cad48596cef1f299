#include "ai/fil_ordinateur.h"

#include <chrono>
#include <utility>

namespace glyphane {

namespace {
constexpr auto intervalleAttente = std::chrono::milliseconds(2);
}

FilOrdinateur::~FilOrdinateur() { arreter(); }

void FilOrdinateur::confier(std::function<void()> travail) {
    std::lock_guard garde(verrou);
    if (arret && !fini) return;  // a stop is under way: nothing more runs
    // A thread stopped from within is over but still to be joined.
    if (fil.joinable() && fini) fil.join();
    if (!fil.joinable()) {
        arret = false;
        fini = false;
        fil = std::thread([this] { boucle(); });
        identifiant = fil.get_id();
    }
    travaux.push_back(std::move(travail));
    signal.notify_all();
}

void FilOrdinateur::boucle() {
    std::unique_lock verrouille(verrou);
    for (;;) {
        signal.wait(verrouille, [this] { return arret || !travaux.empty(); });
        if (arret) break;
        std::function<void()> travail = std::move(travaux.front());
        travaux.pop_front();
        occupe = true;
        verrouille.unlock();
        travail();
        verrouille.lock();
        occupe = false;
        signal.notify_all();
    }
    fini = true;
    signal.notify_all();
}

void FilOrdinateur::attendreInactif(const std::function<void()>& pendantLAttente) {
    std::unique_lock verrouille(verrou);
    if (std::this_thread::get_id() == identifiant) return;
    const auto inactif = [this] { return fini || !fil.joinable() || (!occupe && travaux.empty()); };
    attendre(verrouille, inactif, pendantLAttente);
}

void FilOrdinateur::attendre(std::unique_lock<std::mutex>& verrouille, const std::function<bool()>& condition,
                             const std::function<void()>& pendantLAttente) {
    while (!condition()) {
        if (pendantLAttente) {
            verrouille.unlock();
            pendantLAttente();
            verrouille.lock();
        }
        signal.wait_for(verrouille, intervalleAttente, condition);
    }
}

void FilOrdinateur::demanderArret() {
    std::lock_guard garde(verrou);
    travaux.clear();
    if (fil.joinable()) arret = true;
    signal.notify_all();
}

void FilOrdinateur::arreter(const std::function<void()>& pendantLAttente) {
    demanderArret();
    std::unique_lock verrouille(verrou);
    if (!fil.joinable() || std::this_thread::get_id() == identifiant) return;
    attendre(verrouille, [this] { return fini; }, pendantLAttente);
    std::thread termine = std::move(fil);
    identifiant = {};
    verrouille.unlock();
    if (termine.joinable()) termine.join();
}

}  // namespace glyphane
