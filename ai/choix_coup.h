#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ai/modele_ordinateur.h"

// Which listed candidate the computer tries next. Candidates are indices into
// the search's list, from 0.
namespace glyphane {

inline constexpr std::size_t essaisMax = 10;
inline constexpr std::int32_t pointsIllisibles = -1;

using Essayes = std::vector<int>;

// The candidates' scores, in their order.
std::vector<std::int32_t> pointsDes(const std::vector<Candidat>& candidats);

// The score the level aims at: the best score divided by the level's divisor,
// rounded down, while more than 5 tiles are in the bag; the best score itself
// afterwards; -1 with nothing listed.
std::int32_t cibleDuTour(const std::vector<std::int32_t>& points, std::int32_t jetonsDansSac, double diviseur);

// The best candidate not tried whose score is under 6 or not above the target,
// the first listed among equal scores.
std::optional<int> meilleurSousLaCible(const std::vector<std::int32_t>& points, std::int32_t cible,
                                       const Essayes& essayes);

// As meilleurSousLaCible, the target raised until a candidate qualifies; the
// raised target is kept for the next choice. Nothing once every candidate was
// tried.
std::optional<int> choisirParNiveau(const std::vector<std::int32_t>& points, std::int32_t& cible,
                                    const Essayes& essayes);

// With the "q" on the rack: the best untried candidate among the first 31 that
// place a "q", whatever the level.
std::optional<int> choisirAvecLeQ(const std::vector<Candidat>& candidats, const Essayes& essayes);

}  // namespace glyphane
