#pragma once
#include <cstdint>

#include "engine/jeu.h"

namespace glyphane {

inline constexpr int jetonQ = 17;  // the only "q" of the set
// With fewer tiles in the bag the computer passes instead.
inline constexpr std::int32_t jetonsPourEchanger = 8;

// The computer's exchange with 8 or more tiles in the bag: four different rack
// slots drawn at random give their tiles back, blanks excepted, and the "q"
// always goes back. The turn controller then refills the emptied slots.
void EchangerOrdi(Jeu& jeu);

}  // namespace glyphane
