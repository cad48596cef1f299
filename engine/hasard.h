#pragma once
#include <chrono>
#include <cstdint>
#include <optional>
#include <random>

namespace glyphane {

// The game's one source of chance. The program seeds it from the clock wherever
// the rules say so; tests and benchmarks give it a fixed seed, and then re-seeding
// does nothing, so that a seed replays a game exactly.
class Hasard {
public:
    explicit Hasard(std::optional<std::uint64_t> graineFixe = std::nullopt)
        : fixe(graineFixe.has_value()), moteur(graineFixe.value_or(horloge())) {}

    void semerDepuisHorloge() {
        if (!fixe) moteur.seed(horloge());
    }
    // Uniform in 0 .. n - 1.
    int aleatoire(int n) { return std::uniform_int_distribution<int>(0, n - 1)(moteur); }

private:
    static std::uint64_t horloge() {
        return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    }
    bool fixe;
    std::mt19937_64 moteur;
};

}  // namespace glyphane
