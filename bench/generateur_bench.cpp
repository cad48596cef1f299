// The move generator on mid-game positions: a full rack on a board of ten tiles
// or more, taken from seeded games between two computer seats and rebuilt from
// their turns. Each position is generated three times; the counters give the
// median, 95th percentile and largest time of one generation in milliseconds,
// and the median number of moves found. bench/generateur.sh runs it.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "ai/generateur_coups.h"
#include "ai/partie_automatique.h"
#include "bench/mesures.h"
#include "lexicon/demarrage_dico.h"
#include "lexicon/flux_integre.h"

namespace {

namespace fs = std::filesystem;
using glyphane::bench::dossierNeuf;
using glyphane::PlateauFixe;

constexpr std::uint64_t parties = 6;
constexpr int tuilesDeMilieuDePartie = 10;
constexpr int mesuresParPosition = 3;

struct Position {
    PlateauFixe plateau{};
    std::string chevalet;
};

// A move line's text: its letters (a blank's in capitals), ";", column and row.
int poser(PlateauFixe& plateau, const std::string& texte) {
    const std::size_t n = texte.find(';');
    if (n == std::string::npos || texte.size() != 3 * n + 1) return 0;
    for (std::size_t i = 0; i < n; ++i) {
        const char l = texte[i];
        const bool joker = l >= 'A' && l <= 'Z';
        const auto x = static_cast<std::size_t>(texte[n + 1 + 2 * i] - 'A' + 1);
        const auto y = static_cast<std::size_t>(texte[n + 2 + 2 * i] - 'A' + 1);
        plateau[x][y] = {joker ? static_cast<char>(l - 'A' + 'a') : l, joker};
    }
    return static_cast<int>(n);
}

std::vector<Position> positionsDeMilieuDePartie(glyphane::LexiconTrie& trie, const fs::path& dossier) {
    std::vector<Position> positions;
    for (std::uint64_t graine = 1; graine <= parties; ++graine) {
        glyphane::PartieAutomatique automate(trie, dossier, graine);
        Position position;
        int tuiles = 0;
        for (const glyphane::TourJoue& tour : automate.jouer(2).tours) {
            position.chevalet = tour.chevalet;
            const bool pleine = std::count(tour.chevalet.begin(), tour.chevalet.end(), '.') == 0;
            if (tuiles >= tuilesDeMilieuDePartie && pleine) positions.push_back(position);
            if (tour.nature == glyphane::NatureDuTour::coup) tuiles += poser(position.plateau, tour.texte);
        }
    }
    return positions;
}

void GenererCoupsMilieuDePartie(benchmark::State& etat) {
    const fs::path dossier = dossierNeuf();
    glyphane::LexiconTrie trie;
    if (!glyphane::DemarrageDictionnaire(dossier, trie).toutDemarrer(glyphane::fluxIntegre())) {
        etat.SkipWithError("the dictionary could not start");
        return;
    }
    const std::vector<Position> positions = positionsDeMilieuDePartie(trie, dossier);
    std::vector<double> durees;
    std::vector<double> nombres;
    for (auto _ : etat) {
        for (const Position& p : positions) {
            for (int k = 0; k < mesuresParPosition; ++k) {
                const auto debut = std::chrono::steady_clock::now();
                const auto coups = glyphane::GenererCoups(p.plateau, p.chevalet, trie);
                const auto duree = std::chrono::steady_clock::now() - debut;
                durees.push_back(std::chrono::duration<double, std::milli>(duree).count());
                if (k == 0) nombres.push_back(static_cast<double>(coups.size()));
            }
        }
    }
    etat.counters["positions"] = static_cast<double>(positions.size());
    glyphane::bench::compter(etat, "gen_ms", durees, true);
    glyphane::bench::compterMediane(etat, "coups", nombres);
    fs::remove_all(dossier);
}

}  // namespace

BENCHMARK(GenererCoupsMilieuDePartie)->Iterations(1)->Unit(benchmark::kSecond);

BENCHMARK_MAIN();
