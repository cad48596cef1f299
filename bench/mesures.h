#pragma once
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

// What the benchmarks share: a fresh program folder, and ranks of sorted times.
namespace glyphane::bench {

inline std::filesystem::path dossierNeuf() {
    std::string modele = (std::filesystem::temp_directory_path() / "glyphane-bench-XXXXXX").string();
    if (mkdtemp(modele.data()) == nullptr) std::abort();
    return modele;
}

// Nearest rank on sorted values; 0 for none.
inline double centile(const std::vector<double>& tries, double part) {
    if (tries.empty()) return 0;
    const auto rang = static_cast<std::size_t>(std::ceil(part * static_cast<double>(tries.size())));
    return tries[std::clamp<std::size_t>(rang, 1, tries.size()) - 1];
}

// The median, the 95th percentile when asked, and the largest of `valeurs`, as
// the counters NOM_med, NOM_p95 and NOM_max.
inline void compter(benchmark::State& etat, const std::string& nom, std::vector<double> valeurs, bool avecP95) {
    std::sort(valeurs.begin(), valeurs.end());
    etat.counters[nom + "_med"] = centile(valeurs, 0.5);
    if (avecP95) etat.counters[nom + "_p95"] = centile(valeurs, 0.95);
    etat.counters[nom + "_max"] = valeurs.empty() ? 0 : valeurs.back();
}

// The median alone, as the counter NOM_med.
inline void compterMediane(benchmark::State& etat, const std::string& nom, std::vector<double> valeurs) {
    std::sort(valeurs.begin(), valeurs.end());
    etat.counters[nom + "_med"] = centile(valeurs, 0.5);
}

}  // namespace glyphane::bench
