#include "engine/partie.h"

namespace glyphane {

Coup& Partie::coup(std::int32_t n) {
    const auto indice = static_cast<std::size_t>(n < 0 ? 0 : n);
    if (historique.size() <= indice) historique.resize(indice + 1);
    return historique[indice];
}

}  // namespace glyphane
