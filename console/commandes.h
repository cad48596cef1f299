#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace glyphane::console {

// Each command takes the words after its name and returns the exit status.
int commandeDico(const std::vector<std::string>& arguments, std::ostream& sortie, std::ostream& erreurs);

}  // namespace glyphane::console
