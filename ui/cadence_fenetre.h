#pragma once
#include "engine/cadence.h"

// The game's pauses as a player sees them. On the window thread a pause keeps
// painting (a move stays visible while the rack refills) but holds the player's
// clicks and keys until it is over; on any other thread it simply sleeps.
namespace glyphane::ui {

class CadenceFenetre final : public Cadence {
public:
    void pause(std::chrono::milliseconds duree) override;
};

}  // namespace glyphane::ui
