#pragma once
#include "lexicon/fichiers_recherche.h"
#include "resources/mots_integres.h"

namespace glyphane {

// The word list linked into the program.
inline FluxMots fluxIntegre() { return {fluxMotsIntegre(), tableLettresIntegree()}; }

}  // namespace glyphane
