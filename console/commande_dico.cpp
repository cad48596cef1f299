#include <filesystem>
#include <ostream>

#include "console/commandes.h"
#include "console/dossier_utilisateur.h"
#include "lexicon/demarrage_dico.h"
#include "lexicon/flux_integre.h"
#include "lexicon/texte_windows.h"

namespace glyphane::console {

bool demarrerDictionnaire(const std::filesystem::path& dossier, LexiconTrie& trie, std::string_view commande,
                          std::ostream& erreurs) {
    if (DemarrageDictionnaire(dossier, trie).toutDemarrer(fluxIntegre())) return true;
    erreurs << "glyphane-cli " << commande << " : le dictionnaire n'a pas pu démarrer dans " << dossier.string()
            << " (dossier absent, protégé en écriture ou disque plein ?)\n";
    return false;
}

int commandeDico(const std::vector<std::string>& arguments, std::ostream& sortie, std::ostream& erreurs) {
    std::filesystem::path dossier = dossierUtilisateur();
    std::vector<std::string> mots;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--dir") {
            // An empty name would quietly mean the current folder.
            if (i + 1 == arguments.size() || arguments[i + 1].empty()) {
                erreurs << "glyphane-cli dico : --dir attend un dossier\n";
                return 2;
            }
            dossier = arguments[++i];
        } else {
            mots.push_back(arguments[i]);
        }
    }
    LexiconTrie trie;
    if (!demarrerDictionnaire(dossier, trie, "dico", erreurs)) return 2;
    for (const std::string& mot : mots) {
        sortie << mot << ' ' << (trie.contains(texte::minusculesAscii(mot)) ? "oui" : "non") << '\n';
    }
    return 0;
}

}  // namespace glyphane::console
