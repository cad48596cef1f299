#include "engine/attente_mise_a_jour.h"

#include <chrono>
#include <thread>

namespace glyphane {

bool attendreFinMiseAJour(Jeu& jeu) {
    const Drapeaux& drapeaux = jeu.partie.drapeaux;
    while (drapeaux.miseAJourEnCours.load(std::memory_order_acquire) == 1) {
        if (drapeaux.arretDemande.load(std::memory_order_acquire) == 1) return false;
        jeu.vue.TraiterEvenements();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

}  // namespace glyphane
