#include "ai/choix_coup.h"

#include <algorithm>
#include <cmath>

namespace glyphane {

namespace {

constexpr std::int32_t jetonsPourDiviser = 5;
constexpr std::int32_t pointsToujoursPermis = 6;
constexpr std::size_t candidatsAvecLeQ = 31;

bool essaye(const Essayes& essayes, int i) { return std::find(essayes.begin(), essayes.end(), i) != essayes.end(); }

// The divisors have two decimals: dividing by hundredths in integers keeps
// 133 / 1.33 at 100 where a double would fall just short of it.
std::int32_t diviser(std::int32_t points, double diviseur) {
    const auto centiemes = static_cast<std::int64_t>(std::llround(diviseur * 100));
    if (points < 0 || centiemes <= 0) return points;
    return static_cast<std::int32_t>(std::int64_t{points} * 100 / centiemes);
}

}  // namespace

std::vector<std::int32_t> pointsDes(const std::vector<Candidat>& candidats) {
    std::vector<std::int32_t> points;
    points.reserve(candidats.size());
    for (const Candidat& candidat : candidats) points.push_back(candidat.points);
    return points;
}

std::int32_t cibleDuTour(const std::vector<std::int32_t>& points, std::int32_t jetonsDansSac, double diviseur) {
    const std::int32_t meilleur = points.empty() ? pointsIllisibles : *std::max_element(points.begin(), points.end());
    return jetonsDansSac > jetonsPourDiviser ? diviser(meilleur, diviseur) : meilleur;
}

std::optional<int> meilleurSousLaCible(const std::vector<std::int32_t>& points, std::int32_t cible,
                                       const Essayes& essayes) {
    std::optional<int> choix;
    for (int i = 0; i < static_cast<int>(points.size()); ++i) {
        const std::int32_t s = points[static_cast<std::size_t>(i)];
        if (essaye(essayes, i) || (s >= pointsToujoursPermis && s > cible)) continue;
        if (!choix || s > points[static_cast<std::size_t>(*choix)]) choix = i;
    }
    return choix;
}

std::optional<int> choisirParNiveau(const std::vector<std::int32_t>& points, std::int32_t& cible,
                                    const Essayes& essayes) {
    if (const auto choix = meilleurSousLaCible(points, cible, essayes)) return choix;
    // Raising the target one point at a time stops at the lowest untried score.
    std::optional<std::int32_t> plusBas;
    for (int i = 0; i < static_cast<int>(points.size()); ++i) {
        if (!essaye(essayes, i))
            plusBas =
                std::min(plusBas.value_or(points[static_cast<std::size_t>(i)]), points[static_cast<std::size_t>(i)]);
    }
    if (!plusBas) return {};
    cible = std::max(cible, *plusBas);
    return meilleurSousLaCible(points, cible, essayes);
}

std::optional<int> choisirAvecLeQ(const std::vector<Candidat>& candidats, const Essayes& essayes) {
    std::optional<int> choix;
    std::size_t avecLeQ = 0;
    for (int i = 0; i < static_cast<int>(candidats.size()) && avecLeQ < candidatsAvecLeQ; ++i) {
        const Candidat& candidat = candidats[static_cast<std::size_t>(i)];
        if (candidat.coup.find('q') == std::string::npos) continue;
        ++avecLeQ;
        if (essaye(essayes, i)) continue;
        if (!choix || candidat.points > candidats[static_cast<std::size_t>(*choix)].points) choix = i;
    }
    return choix;
}

}  // namespace glyphane
