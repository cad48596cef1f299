#include "console/lecture.h"

#include <charconv>
#include <sstream>

namespace glyphane::console {

std::vector<std::string> motsDeLaLigne(const std::string& ligne) {
    std::istringstream flux(ligne);
    std::vector<std::string> mots;
    for (std::string mot; flux >> mot;) mots.push_back(mot);
    return mots;
}

std::optional<int> lireEntier(std::string_view texte) {
    int valeur = 0;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
    if (texte.empty() || erreur != std::errc{} || fin != texte.data() + texte.size()) return std::nullopt;
    return valeur;
}

std::optional<std::uint64_t> lireGraine(std::string_view texte) {
    std::uint64_t graine = 0;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), graine);
    if (texte.empty() || erreur != std::errc{} || fin != texte.data() + texte.size()) return std::nullopt;
    return graine;
}

std::optional<char> lireLettre(std::string_view texte) {
    if (texte.size() != 1) return std::nullopt;
    char c = texte[0];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c < 'a' || c > 'z') return std::nullopt;
    return c;
}

}  // namespace glyphane::console
