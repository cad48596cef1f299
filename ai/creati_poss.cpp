#include "ai/creati_poss.h"

#include <array>
#include <chrono>
#include <exception>
#include <string>
#include <string_view>

#include "ai/fichier_mots.h"
#include "engine/affichage.h"
#include "engine/pannes.h"

namespace glyphane {

namespace {

// The window is told about the progress bar now and then, not per segment.
constexpr std::size_t segmentsParActualisation = 16;
constexpr int marge = 7;  // the progress bar's maximum beyond the segments
constexpr std::array<std::size_t, tailleChevalet> ordreDesListes = {7, 1, 2, 3, 4, 5, 6};

bool arretDemande(const Partie& partie) {
    return partie.drapeaux.arretDemande.load(std::memory_order_acquire) != 0 ||
           partie.drapeaux.arretMiseAJour.load(std::memory_order_acquire) != 0;
}

std::size_t nombreDeSegments(const ModeleOrdinateur& modele) {
    std::size_t total = 0;
    for (const auto& liste : modele.Segments) total += liste.size();
    return total;
}

// False when a stop request ended it before the last segment.
bool construirePossibilites(Jeu& jeu, ModeleOrdinateur& modele) {
    // This update's records are those past each list's length now, not those
    // numbered from the counter on: past the last file, numbers come back.
    std::array<std::size_t, tailleChevalet + 1> avantMiseAJour{};
    for (std::size_t n = 1; n <= tailleChevalet; ++n) avantMiseAJour[n] = modele.Possibilites[n].size();
    const int maximum = static_cast<int>(nombreDeSegments(modele)) + marge;
    jeu.partie.fenetre.modifier([maximum](EtatControles& e) { e.progressionMax = maximum; });
    jeu.vue.ActualiserControles();

    NumerotationFichiers numeros(modele);
    SourcesDeMots sources(jeu.trie);
    std::size_t faits = 0;
    for (const std::size_t n : ordreDesListes) {
        for (const Segment& segment : modele.Segments[n]) {
            if (arretDemande(jeu.partie)) return false;
            Supplanter(modele.Possibilites[n], avantMiseAJour[n], segment);
            if (const auto numero = ConstruireFichierMots(jeu, segment, numeros, sources)) {
                modele.Possibilites[n].push_back({segment.motif, 1, *numero, segment.lignes, segment.colonnes});
            }
            jeu.partie.fenetre.modifier([](EtatControles& e) { ++e.progression; });
            if (++faits % segmentsParActualisation == 0) jeu.vue.ActualiserControles();
        }
    }
    return true;
}

}  // namespace

void Supplanter(std::vector<Possibilite>& liste, std::size_t avantMiseAJour, const Segment& segment) {
    for (std::size_t i = 0; i < avantMiseAJour && i < liste.size(); ++i) {
        Possibilite& possibilite = liste[i];
        if (possibilite.motif == segment.motif && possibilite.lignes == segment.lignes &&
            possibilite.colonnes == segment.colonnes) {
            possibilite.valide = 0;
        }
    }
}

// The body of the update thread: whatever fails in it ends the update as a stop
// would, for the search must not wait for it forever.
void creatiPoss(Jeu& jeu, ModeleOrdinateur& modele) {
    constexpr std::string_view lieu = "mise à jour des possibilités";
    bool complete = false;
    try {
        complete = construirePossibilites(jeu, modele);
    } catch (const std::exception& panne) {
        signalerPanne(jeu.vue, lieu, panne);
    } catch (...) {
        signalerPanneInconnue(jeu.vue, lieu);
    }
    if (complete) {
        for (auto& liste : modele.Segments) liste.clear();
    }
    // The label and the bar first: once the flag falls, the search owns the bar.
    AfficherMiseAJour(jeu.partie, false);
    jeu.partie.drapeaux.miseAJourEnCours.store(0, std::memory_order_release);
    jeu.vue.ActualiserControles();
}

SiegeEnAttente siegeEnAttente(const Partie& partie) {
    const std::size_t siege = partie.deroulement.joueurCourant();
    const bool humain = siege >= 1 && siege <= nbSiegesMax && partie.sieges.estOrdinateur()[siege] == 0;
    return {humain};
}

void RendreCommandesApresMiseAJour(Jeu& jeu, SiegeEnAttente siege) {
    if (siege.humain && ChangerDePhase(jeu.partie, Phase::attenteMiseAJour, Phase::humainJoue)) {
        jeu.vue.ActualiserControles();
    }
    jeu.cadence.pause(std::chrono::milliseconds(500));
    // A move played during the pause has started the next update: its label stays.
    if (jeu.partie.drapeaux.miseAJourEnCours.load(std::memory_order_acquire) != 0) return;
    AfficherMiseAJour(jeu.partie, false);
    jeu.vue.ActualiserControles();
}

}  // namespace glyphane
