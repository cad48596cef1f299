#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <iomanip>
#include <limits>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "ai/bilan_partie.h"
#include "ai/partie_automatique.h"
#include "console/commandes.h"
#include "console/dossier_utilisateur.h"
#include "console/lecture.h"
#include "persist/partie_sauvegardee.h"
#include "persist/sauvegarde.h"

namespace glyphane::console {

namespace {

constexpr const char* usageAutoplay =
    "usage : glyphane-cli autoplay [--dir DOSSIER] [--sieges 1..4] [--niveau 1..5] [--graine S] [--parties K]"
    " [--sauver FICHIER] [--bilan]\n";

struct OptionsAutoplay {
    std::filesystem::path dossier = dossierUtilisateur();
    int sieges = 2;
    int niveau = 5;
    std::optional<std::uint64_t> graine;
    int parties = 1;
    std::optional<std::string> sauver;
    bool bilan = false;
};

bool lireEntierEntre(const std::string& texte, int minimum, int maximum, int& cible) {
    const std::optional<int> valeur = lireEntier(texte);
    if (!valeur || *valeur < minimum || *valeur > maximum) return false;
    cible = *valeur;
    return true;
}

// False when the option is unknown or its value unfit.
bool lireOption(const std::string& option, const std::string& valeur, OptionsAutoplay& options) {
    if (option == "--dir") {
        // An empty name would mean the current folder, which then gets every search file.
        options.dossier = valeur;
        return !valeur.empty();
    }
    if (option == "--graine") {
        options.graine = lireGraine(valeur);
        return options.graine.has_value();
    }
    if (option == "--sieges") return lireEntierEntre(valeur, 1, nbSiegesMax, options.sieges);
    if (option == "--niveau") return lireEntierEntre(valeur, 1, 5, options.niveau);
    if (option == "--parties") return lireEntierEntre(valeur, 1, std::numeric_limits<int>::max(), options.parties);
    if (option == "--sauver") {
        options.sauver = valeur;
        return !valeur.empty();
    }
    return false;
}

std::optional<OptionsAutoplay> lireOptions(const std::vector<std::string>& arguments, std::ostream& erreurs) {
    OptionsAutoplay options;
    std::size_t i = 0;
    while (i < arguments.size()) {
        // The one option without a value.
        if (arguments[i] == "--bilan") {
            options.bilan = true;
            ++i;
            continue;
        }
        if (i + 1 == arguments.size() || !lireOption(arguments[i], arguments[i + 1], options)) {
            erreurs << usageAutoplay;
            return std::nullopt;
        }
        i += 2;
    }
    return options;
}

std::vector<double> enMillisecondes(const std::vector<PartieAutomatique::Duree>& durees) {
    std::vector<double> valeurs;
    for (const auto duree : durees) valeurs.push_back(std::chrono::duration<double, std::milli>(duree).count());
    return valeurs;
}

// 0 for no value at all, the mean of the two middle values for an even count.
double mediane(std::vector<double> valeurs) {
    if (valeurs.empty()) return 0;
    std::sort(valeurs.begin(), valeurs.end());
    const std::size_t milieu = valeurs.size() / 2;
    return valeurs.size() % 2 == 1 ? valeurs[milieu] : (valeurs[milieu - 1] + valeurs[milieu]) / 2;
}

double maximum(const std::vector<double>& valeurs) {
    return valeurs.empty() ? 0 : *std::max_element(valeurs.begin(), valeurs.end());
}

std::string ligneDeFin(const ResultatPartie& resultat) {
    std::string ligne = "fin";
    for (const std::int32_t score : resultat.scores) ligne += ' ' + std::to_string(score);
    return ligne;
}

std::string ligneDeTemps(PartieAutomatique& automate, const std::vector<double>& fichiers) {
    const std::vector<double> misesAJour = enMillisecondes(automate.dureesMiseAJour());
    const std::vector<double> recherches = enMillisecondes(automate.dureesRecherche());
    std::ostringstream ligne;
    ligne << std::fixed << std::setprecision(1) << "temps " << mediane(misesAJour) << ' ' << maximum(misesAJour)
          << ' ' << mediane(recherches) << ' ' << maximum(recherches) << ' ' << std::setprecision(0)
          << mediane(fichiers);
    return ligne.str();
}

// Each of several games keeps a file of its own: "partie.Glb" gives
// "partie-1.Glb", "partie-2.Glb"...
std::filesystem::path fichierDeLaPartie(const std::string& nom, int partie, int parties) {
    std::string fichier = NomDeSauvegarde(nom);
    if (parties == 1) return fichier;
    fichier.resize(fichier.size() - extensionSauvegarde.size());
    return fichier + '-' + std::to_string(partie) + std::string(extensionSauvegarde);
}

}  // namespace

int commandeAutoplay(const std::vector<std::string>& arguments, std::ostream& sortie, std::ostream& erreurs) {
    const std::optional<OptionsAutoplay> options = lireOptions(arguments, erreurs);
    if (!options) return 2;
    LexiconTrie trie;
    if (!demarrerDictionnaire(options->dossier, trie, "autoplay", erreurs)) return 2;

    PartieAutomatique automate(trie, options->dossier, options->graine);
    automate.fixerNiveau(options->niveau);
    std::vector<double> fichiers;
    int statut = 0;
    for (int k = 1; k <= options->parties; ++k) {
        sortie << "partie " << k << '\n';
        const ResultatPartie resultat = automate.jouer(options->sieges);
        for (const TourJoue& tour : resultat.tours) sortie << ligneDuTour(tour) << '\n';
        sortie << ligneDeFin(resultat) << '\n';
        if (options->bilan) {
            for (const std::string& ligne : lignesDuBilan(BilanDePartie(partieARevoir(automate.partie()), trie))) {
                sortie << ligne << '\n';
            }
        }
        sortie << std::flush;
        fichiers.push_back(resultat.fichiers);
        if (!options->sauver || !resultat.finie) continue;
        const std::filesystem::path fichier = fichierDeLaPartie(*options->sauver, k, options->parties);
        if (!EnregistrerPartie(automate.partie(), fichier)) {
            erreurs << "erreur: la partie " << k << " n'a pu être sauvegardée dans " << fichier.string() << '\n';
            statut = 1;
        }
    }
    sortie << ligneDeTemps(automate, fichiers) << '\n';
    return statut;
}

}  // namespace glyphane::console
