#include "resources/mots_integres.h"

extern "C" {
extern const std::uint8_t glyphane_flux_mots_debut[];
extern const std::uint8_t glyphane_flux_mots_fin[];
extern const std::uint8_t glyphane_table_lettres_debut[];
extern const std::uint8_t glyphane_table_lettres_fin[];
}

namespace glyphane {

std::span<const std::uint8_t> fluxMotsIntegre() {
    return {glyphane_flux_mots_debut, glyphane_flux_mots_fin};
}

std::span<const std::uint8_t> tableLettresIntegree() {
    return {glyphane_table_lettres_debut, glyphane_table_lettres_fin};
}

}  // namespace glyphane
