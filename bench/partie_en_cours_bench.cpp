// Keeping the game in progress after a turn. What the turn itself pays: the
// file's content made and handed to the writing thread. And what the disk takes
// on that thread: the whole game written to "partie en cours.Glb" as a save
// writes it (a temporary file, synced, renamed over the old one, the folder
// synced), in a program folder where the dictionary has started. The games are
// those of seeded self-play as they stand at their end, the longest a file
// gets, each written many times. The counters give the median, 95th percentile
// and largest time of both in milliseconds, and the median size of the file.
// The folder is made under $TMPDIR, so that the disk measured can be chosen.
// bench/partie_en_cours.sh runs it.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "ai/partie_automatique.h"
#include "bench/mesures.h"
#include "engine/vue_silencieuse.h"
#include "lexicon/demarrage_dico.h"
#include "lexicon/flux_integre.h"
#include "persist/partie_en_cours.h"

namespace {

namespace fs = std::filesystem;
using glyphane::bench::dossierNeuf;

constexpr std::uint64_t parties = 4;
constexpr int ecrituresParPartie = 50;

void EcrirePartieEnCours(benchmark::State& etat) {
    const fs::path dossier = dossierNeuf();
    glyphane::LexiconTrie trie;
    if (!glyphane::DemarrageDictionnaire(dossier, trie).toutDemarrer(glyphane::fluxIntegre())) {
        etat.SkipWithError("the dictionary could not start");
        return;
    }
    glyphane::VueSilencieuse vue;
    glyphane::SauvegardeAutomatique sauvegarde(dossier, vue);
    std::vector<double> tours;
    std::vector<double> durees;
    std::vector<double> tailles;
    for (auto _ : etat) {
        for (std::uint64_t graine = 1; graine <= parties; ++graine) {
            glyphane::PartieAutomatique automate(trie, dossier, graine);
            automate.jouer(2);
            for (int k = 0; k < ecrituresParPartie; ++k) {
                const auto debut = std::chrono::steady_clock::now();
                sauvegarde.tourTermine(automate.partie());
                const auto remis = std::chrono::steady_clock::now();
                sauvegarde.attendre();
                const auto ecrit = std::chrono::steady_clock::now();
                tours.push_back(std::chrono::duration<double, std::milli>(remis - debut).count());
                durees.push_back(std::chrono::duration<double, std::milli>(ecrit - remis).count());
            }
            tailles.push_back(static_cast<double>(fs::file_size(dossier / glyphane::nomPartieEnCours)));
        }
    }
    etat.counters["ecritures"] = static_cast<double>(durees.size());
    glyphane::bench::compter(etat, "tour_ms", tours, true);
    glyphane::bench::compter(etat, "ecr_ms", durees, true);
    glyphane::bench::compterMediane(etat, "octets", tailles);
    fs::remove_all(dossier);
}

}  // namespace

BENCHMARK(EcrirePartieEnCours)->Iterations(1)->Unit(benchmark::kSecond);

BENCHMARK_MAIN();
