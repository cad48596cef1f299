#include <charconv>
#include <cstdint>
#include <filesystem>
#include <istream>
#include <optional>
#include <ostream>

#include "console/commandes.h"
#include "console/dossier_utilisateur.h"
#include "console/session_partie.h"
#include "console/vue_console.h"
#include "engine/nouvelle_partie.h"

namespace glyphane::console {

namespace {

struct OptionsPartie {
    std::filesystem::path dossier = dossierUtilisateur();
    std::optional<std::uint64_t> graine;
};

std::optional<std::uint64_t> lireGraine(const std::string& texte) {
    std::uint64_t graine = 0;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), graine);
    if (texte.empty() || erreur != std::errc{} || fin != texte.data() + texte.size()) return std::nullopt;
    return graine;
}

std::optional<OptionsPartie> lireOptions(const std::vector<std::string>& arguments, std::ostream& erreurs) {
    OptionsPartie options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const bool valeurSuit = i + 1 < arguments.size();
        if (arguments[i] == "--dir" && valeurSuit) {
            options.dossier = arguments[++i];
        } else if (arguments[i] == "--graine" && valeurSuit && lireGraine(arguments[i + 1])) {
            options.graine = lireGraine(arguments[++i]);
        } else {
            erreurs << "usage : glyphane-cli partie [--dir DOSSIER] [--graine N]\n";
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace

int commandePartie(const std::vector<std::string>& arguments, std::istream& entree, std::ostream& sortie,
                   std::ostream& erreurs) {
    const std::optional<OptionsPartie> options = lireOptions(arguments, erreurs);
    if (!options) return 2;
    LexiconTrie trie;
    if (!demarrerDictionnaire(options->dossier, trie, "partie", erreurs)) return 2;

    VueConsole vue(entree, sortie);
    Hasard hasard(options->graine);
    CadenceNulle cadence;
    Jeu jeu(trie, vue, hasard, cadence, options->dossier);
    ReinitialiserPartie(jeu, false);
    SessionPartie session(jeu, vue, sortie);
    for (std::string ligne; vue.lireLigne(ligne);) session.executer(ligne);
    return 0;
}

}  // namespace glyphane::console
