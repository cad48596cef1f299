#include <cstdint>
#include <filesystem>
#include <istream>
#include <optional>
#include <ostream>

#include "ai/joueur_ordinateur.h"
#include "ai/journal_des_tours.h"
#include "console/commandes.h"
#include "console/dossier_utilisateur.h"
#include "console/lecture.h"
#include "console/session_partie.h"
#include "console/vue_console.h"
#include "engine/nouvelle_partie.h"
#include "persist/partie_en_cours.h"

namespace glyphane::console {

namespace {

struct OptionsPartie {
    std::filesystem::path dossier = dossierUtilisateur();
    std::optional<std::uint64_t> graine;
};

std::optional<OptionsPartie> lireOptions(const std::vector<std::string>& arguments, std::ostream& erreurs) {
    OptionsPartie options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const bool valeurSuit = i + 1 < arguments.size();
        if (arguments[i] == "--dir" && valeurSuit && !arguments[i + 1].empty()) {
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
    SauvegardeAutomatique sauvegarde(options->dossier, vue);
    jeu.partieEnCours = &sauvegarde;
    JournalDesTours journal;
    // Gone before the game and the journal: its threads use both.
    JoueurOrdinateur ordinateur(jeu, [&journal](Jeu& jeuEnCours, ModeleOrdinateur& modele) { journal.jouerTour(jeuEnCours, modele); });
    ReinitialiserPartie(jeu, false);
    SessionPartie session(jeu, vue, sortie, ordinateur, journal);
    // The next command, or a kill, finds the file as the last turn left it.
    for (std::string ligne; vue.lireLigne(ligne);) {
        session.executer(ligne);
        sauvegarde.attendre();
    }
    return 0;
}

}  // namespace glyphane::console
