// The review of whole games: six seeded games between two computer seats, each
// reviewed five times from its history, as the window and the console do. The
// counters give the median and largest time of one whole-game review in
// milliseconds, and the median number of turns a game has. bench/bilan.sh runs it.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <vector>

#include "ai/bilan_partie.h"
#include "ai/partie_automatique.h"
#include "bench/mesures.h"
#include "lexicon/demarrage_dico.h"
#include "lexicon/flux_integre.h"

namespace {

namespace fs = std::filesystem;

constexpr std::uint64_t parties = 6;
constexpr int mesuresParPartie = 5;

void BilanPartieEntiere(benchmark::State& etat) {
    const fs::path dossier = glyphane::bench::dossierNeuf();
    glyphane::LexiconTrie trie;
    if (!glyphane::DemarrageDictionnaire(dossier, trie).toutDemarrer(glyphane::fluxIntegre())) {
        etat.SkipWithError("the dictionary could not start");
        return;
    }
    std::vector<glyphane::PartieARevoir> aRevoir;
    for (std::uint64_t graine = 1; graine <= parties; ++graine) {
        glyphane::PartieAutomatique automate(trie, dossier, graine);
        automate.jouer(2);
        aRevoir.push_back(glyphane::partieARevoir(automate.partie()));
    }
    std::vector<double> durees;
    std::vector<double> tours;
    for (auto _ : etat) {
        for (const glyphane::PartieARevoir& partie : aRevoir) {
            for (int k = 0; k < mesuresParPartie; ++k) {
                const auto debut = std::chrono::steady_clock::now();
                const glyphane::BilanPartie bilan = glyphane::BilanDePartie(partie, trie);
                const auto duree = std::chrono::steady_clock::now() - debut;
                durees.push_back(std::chrono::duration<double, std::milli>(duree).count());
                if (k == 0) tours.push_back(static_cast<double>(bilan.tours.size()));
            }
        }
    }
    etat.counters["parties"] = static_cast<double>(aRevoir.size());
    glyphane::bench::compter(etat, "bilan_ms", durees, false);
    glyphane::bench::compterMediane(etat, "tours", tours);
    fs::remove_all(dossier);
}

}  // namespace

BENCHMARK(BilanPartieEntiere)->Iterations(1)->Unit(benchmark::kSecond);

BENCHMARK_MAIN();
