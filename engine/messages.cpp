#include "engine/messages.h"

namespace glyphane::messages {

Lignes decouperMessage(std::string_view texte) {
    Lignes lignes;
    std::size_t position = 0;
    for (int n = 0; n < nbLignesMax; ++n) {
        if (position < texte.size() && texte[position] == ';') break;
        const std::size_t virgule = texte.find(',', position);
        lignes[static_cast<std::size_t>(n)] = std::string(texte.substr(position, virgule - position));
        if (virgule == std::string_view::npos || virgule + 1 >= texte.size()) break;
        position = virgule + 1;
    }
    return lignes;
}

}  // namespace glyphane::messages
