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
    // Uniform in 0 .. n - 1. The engine's output is the same everywhere, but the
    // standard distributions are not: each library maps it to a range its own way,
    // and a seed would replay other games elsewhere. Drawing again below the
    // smallest value that keeps every remainder equally likely is exact and portable.
    int aleatoire(int n) {
        const auto borne = static_cast<std::uint64_t>(n);
        const std::uint64_t rebut = (0 - borne) % borne;  // 2^64 mod n
        std::uint64_t tirage = moteur();
        while (tirage < rebut) tirage = moteur();
        return static_cast<int>(tirage % borne);
    }

private:
    static std::uint64_t horloge() {
        return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    }
    bool fixe;
    std::mt19937_64 moteur;
};

}  // namespace glyphane
