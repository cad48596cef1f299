// Any bytes given to the loader: it must refuse or load them without a crash, a
// hang or a wrong access, and a game it loaded must write a file that loads
// back to the very same file.
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "engine/jeu.h"
#include "engine/vue_silencieuse.h"
#include "persist/chargement.h"
#include "persist/ecriture_sauvegarde.h"
#include "persist/revoir.h"

namespace glyphane {
namespace {

// A fresh game, as the reset leaves it, without a computer player: no thread
// and no file.
struct JeuVierge {
    LexiconTrie trie;
    VueSilencieuse vue;
    Hasard hasard{std::uint64_t{1}};
    CadenceNulle cadence;
    Jeu jeu{trie, vue, hasard, cadence, std::filesystem::path{}};
};

void parcourirLaRevue(Jeu& jeu) {
    const std::int32_t limite = jeu.partie.limiteRevoir;
    revoirPrecedent(jeu);
    revoirDebut(jeu);
    for (std::int32_t pas = 0; pas <= limite; ++pas) revoirSuivant(jeu);
    for (std::int32_t pas = 0; pas <= limite; ++pas) revoirPrecedent(jeu);
}

}  // namespace
}  // namespace glyphane

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    glyphane::JeuVierge premier;
    glyphane::ChargerPartie(premier.jeu, std::string_view(reinterpret_cast<const char*>(donnees), taille));
    if (premier.jeu.partie.deroulement.distributionFaite() == 0) return 0;  // refused

    const std::string ecrit = glyphane::ContenuSauvegarde(premier.jeu.partie);
    glyphane::JeuVierge second;
    glyphane::ChargerPartie(second.jeu, ecrit);
    if (glyphane::ContenuSauvegarde(second.jeu.partie) != ecrit) __builtin_trap();
    const bool finie = premier.jeu.partie.deroulement.partieFinie() == glyphane::partieTerminee;
    if (finie) glyphane::parcourirLaRevue(premier.jeu);
    return 0;
}
