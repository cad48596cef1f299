// The computer player over whole seeded games between computer seats, without
// pauses: one possibility update (median, 95th percentile, largest), one search
// (median, largest), one whole game, and the word files a game makes. Each case
// starts the dictionary in a fresh folder first, outside the timing.
// bench/ordinateur.sh runs it and prints the figures.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "ai/partie_automatique.h"
#include "bench/mesures.h"
#include "lexicon/demarrage_dico.h"
#include "lexicon/flux_integre.h"

namespace {

namespace fs = std::filesystem;
using glyphane::bench::compter;
using glyphane::bench::dossierNeuf;
using glyphane::PartieAutomatique;

constexpr int partiesParCas = 5;

std::vector<double> enMillisecondes(const std::vector<PartieAutomatique::Duree>& durees) {
    std::vector<double> valeurs;
    for (const auto duree : durees) valeurs.push_back(std::chrono::duration<double, std::milli>(duree).count());
    return valeurs;
}

// Seeds 1..partiesParCas, one game each.
void Parties(benchmark::State& etat, int sieges) {
    const fs::path dossier = dossierNeuf();
    glyphane::LexiconTrie trie;
    if (!glyphane::DemarrageDictionnaire(dossier, trie).toutDemarrer(glyphane::fluxIntegre())) {
        etat.SkipWithError("the dictionary could not start");
        return;
    }
    std::vector<double> parties;
    std::vector<double> fichiers;
    std::vector<PartieAutomatique::Duree> misesAJour;
    std::vector<PartieAutomatique::Duree> recherches;
    for (auto _ : etat) {
        for (std::uint64_t graine = 1; graine <= partiesParCas; ++graine) {
            PartieAutomatique automate(trie, dossier, graine);
            const auto debut = std::chrono::steady_clock::now();
            const glyphane::ResultatPartie resultat = automate.jouer(sieges);
            const auto duree = std::chrono::steady_clock::now() - debut;
            parties.push_back(std::chrono::duration<double, std::milli>(duree).count());
            fichiers.push_back(resultat.fichiers);
            const auto m = automate.dureesMiseAJour();
            const auto r = automate.dureesRecherche();
            misesAJour.insert(misesAJour.end(), m.begin(), m.end());
            recherches.insert(recherches.end(), r.begin(), r.end());
        }
    }
    compter(etat, "maj_ms", enMillisecondes(misesAJour), true);
    compter(etat, "recherche_ms", enMillisecondes(recherches), false);
    compter(etat, "partie_ms", parties, false);
    glyphane::bench::compterMediane(etat, "fichiers", fichiers);
    etat.counters["majs"] = static_cast<double>(misesAJour.size());
    fs::remove_all(dossier);
}

}  // namespace

BENCHMARK_CAPTURE(Parties, QuatreSieges, 4)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(Parties, DeuxSieges, 2)->Iterations(1)->Unit(benchmark::kSecond);

BENCHMARK_MAIN();
