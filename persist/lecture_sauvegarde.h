#pragma once
#include <string_view>
#include <variant>

#include "persist/partie_sauvegardee.h"

namespace glyphane {

enum class DefautSauvegarde {
    pasUneSauvegarde,  // the first line is not the header
    endommagee,        // a line missing or unreadable, a value out of range or at odds with another
};

// Reads what the loader needs of a saved game (every line up to the seat kinds)
// and checks each field before it is kept: a count is never trusted before the
// file is known to hold that many lines.
std::variant<PartieSauvegardee, DefautSauvegarde> LireSauvegarde(std::string_view contenu);

}  // namespace glyphane
