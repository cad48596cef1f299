// Start-up costs of the dictionary. Each case runs once per process: the first
// touch of the trie's pages is part of what a player waits for, and a second run in
// the same process would reuse pages already mapped. bench/dictionnaire.sh runs
// every case in fresh processes and prints the medians.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "lexicon/demarrage_dico.h"
#include "bench/mesures.h"
#include "lexicon/flux_integre.h"

namespace {

namespace fs = std::filesystem;
using glyphane::DemarrageDictionnaire;
using glyphane::LexiconTrie;
using glyphane::bench::dossierNeuf;

void compterMemoire(benchmark::State& etat, const LexiconTrie& trie) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    etat.counters["noeuds"] = static_cast<double>(trie.nombreNoeuds());
    etat.counters["trie_Mo"] = static_cast<double>(trie.octetsReserves()) / (1024.0 * 1024.0);
    etat.counters["rss_max_Mo"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void ConstruireTrie(benchmark::State& etat) {
    const auto flux = glyphane::fluxIntegre();
    for (auto _ : etat) {
        LexiconTrie trie;
        benchmark::DoNotOptimize(trie.buildFromStream(flux.codes, flux.lettres));
        etat.PauseTiming();
        compterMemoire(etat, trie);
        etat.ResumeTiming();
    }
}

void PremierDemarrage(benchmark::State& etat) {
    for (auto _ : etat) {
        etat.PauseTiming();
        const fs::path dossier = dossierNeuf();
        etat.ResumeTiming();
        LexiconTrie trie;
        benchmark::DoNotOptimize(DemarrageDictionnaire(dossier, trie).toutDemarrer(glyphane::fluxIntegre()));
        etat.PauseTiming();
        fs::remove_all(dossier);
        etat.ResumeTiming();
    }
}

// The folder must have been set up by an earlier process (bench/dictionnaire.sh
// does it) so that this one starts with no page of the trie mapped yet.
void DemarrageFichiersPresents(benchmark::State& etat) {
    const char* prepare = std::getenv("GLYPHANE_BENCH_DOSSIER");
    if (prepare == nullptr) {
        etat.SkipWithError("GLYPHANE_BENCH_DOSSIER names no prepared folder");
        return;
    }
    for (auto _ : etat) {
        LexiconTrie trie;
        benchmark::DoNotOptimize(DemarrageDictionnaire(prepare, trie).toutDemarrer(glyphane::fluxIntegre()));
    }
}

}  // namespace

BENCHMARK(ConstruireTrie)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(PremierDemarrage)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(DemarrageFichiersPresents)->Iterations(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
