#pragma once
#include <unistd.h>

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

}  // namespace glyphane::bench
