// The computer player over whole seeded games between computer seats, without
// pauses: one possibility update (median, 95th percentile, largest), one search
// (median, largest), one whole game, and the word files a game makes. Each case
// starts the dictionary in a fresh folder first, outside the timing.
// bench/ordinateur.sh runs it and prints the figures.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "ai/partie_automatique.h"
#include "lexicon/demarrage_dico.h"
#include "lexicon/flux_integre.h"

namespace {

namespace fs = std::filesystem;
using glyphane::PartieAutomatique;

constexpr int partiesParCas = 5;

fs::path dossierNeuf() {
    std::string modele = (fs::temp_directory_path() / "glyphane-bench-XXXXXX").string();
    if (mkdtemp(modele.data()) == nullptr) std::abort();
    return modele;
}

std::vector<double> enMillisecondes(const std::vector<PartieAutomatique::Duree>& durees) {
    std::vector<double> valeurs;
    for (const auto duree : durees) valeurs.push_back(std::chrono::duration<double, std::milli>(duree).count());
    std::sort(valeurs.begin(), valeurs.end());
    return valeurs;
}

// Nearest rank on sorted values; 0 for none.
double centile(const std::vector<double>& tries, double part) {
    if (tries.empty()) return 0;
    const auto rang = static_cast<std::size_t>(std::ceil(part * static_cast<double>(tries.size())));
    return tries[std::clamp<std::size_t>(rang, 1, tries.size()) - 1];
}

void compter(benchmark::State& etat, const std::string& nom, const std::vector<double>& tries, bool avecP95) {
    etat.counters[nom + "_med"] = centile(tries, 0.5);
    if (avecP95) etat.counters[nom + "_p95"] = centile(tries, 0.95);
    etat.counters[nom + "_max"] = tries.empty() ? 0 : tries.back();
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
    std::sort(parties.begin(), parties.end());
    std::sort(fichiers.begin(), fichiers.end());
    compter(etat, "maj_ms", enMillisecondes(misesAJour), true);
    compter(etat, "recherche_ms", enMillisecondes(recherches), false);
    compter(etat, "partie_ms", parties, false);
    etat.counters["fichiers_med"] = centile(fichiers, 0.5);
    etat.counters["majs"] = static_cast<double>(misesAJour.size());
    fs::remove_all(dossier);
}

}  // namespace

BENCHMARK_CAPTURE(Parties, QuatreSieges, 4)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(Parties, DeuxSieges, 2)->Iterations(1)->Unit(benchmark::kSecond);

BENCHMARK_MAIN();
