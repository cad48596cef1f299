#include "engine/vue.h"

#include <iostream>

namespace glyphane {

// One write per line: the workers may report at the same time.
void Vue::SignalerPanne(const std::string& texte) { std::cerr << "glyphane : panne, " + texte + '\n' << std::flush; }

}  // namespace glyphane
