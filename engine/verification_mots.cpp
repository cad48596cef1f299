#include "engine/verification_mots.h"

#include <fstream>

#include "engine/affichage.h"
#include "engine/tour.h"
#include "lexicon/demarrage_dico.h"
#include "lexicon/texte_windows.h"

namespace glyphane {

namespace {

using Mots = std::array<std::string, tailleChevalet + 1>;
using Drapeaux7 = std::array<std::uint8_t, tailleChevalet + 1>;

void chercherMots(const LexiconTrie& trie, const Mots& mots, const Drapeaux7& existe, Drapeaux7& connu) {
    for (int i = 1; i <= tailleChevalet; ++i) {
        const auto n = static_cast<std::size_t>(i);
        if (existe[n] == 1 && trie.contains(mots[n])) connu[n] = 1;
    }
}

bool unMotInconnu(const Drapeaux7& existe, const Drapeaux7& connu) {
    for (int i = 1; i <= tailleChevalet; ++i) {
        const auto n = static_cast<std::size_t>(i);
        if (existe[n] == 1 && connu[n] == 0) return true;
    }
    return false;
}

// The words of one direction: the main word's, and the other direction's cross words.
struct MotsDuSens {
    const Mots& mots;
    const Drapeaux7& existe;
    const Drapeaux7& connu;
};

void remplirRapport(MotsRefuses& rapport, const MotsDuSens& principal, const MotsDuSens& croises) {
    if (principal.connu[1] == 0) rapport[1] = principal.mots[1];
    std::size_t k = 2;
    for (int i = 1; i <= tailleChevalet; ++i) {
        const auto n = static_cast<std::size_t>(i);
        if (croises.existe[n] == 1 && croises.connu[n] == 0) rapport[k++] = croises.mots[n];
    }
}

// The user's list is only ever created when it is missing: a list that exists
// but refuses the append must not be emptied.
std::ofstream ouvrirEnAjout(const std::filesystem::path& fichier) {
    std::ofstream sortie(fichier, std::ios::binary | std::ios::app);
    if (sortie.is_open()) return sortie;
    std::error_code erreur;
    if (!std::filesystem::exists(fichier, erreur)) texte::creerVide(fichier);
    sortie.clear();
    sortie.open(fichier, std::ios::binary | std::ios::app);
    return sortie;
}

}  // namespace

void VerifierMots(Jeu& jeu) {
    Evaluation& e = jeu.partie.evaluation;
    chercherMots(jeu.trie, e.motH, e.aMotH, e.motHConnu);
    chercherMots(jeu.trie, e.motV, e.aMotV, e.motVConnu);
    if (unMotInconnu(e.aMotH, e.motHConnu) || unMotInconnu(e.aMotV, e.motVConnu)) jeu.partie.motsConnus = 0;
}

MotsRefuses MotsDuRapport(const Evaluation& e) {
    MotsRefuses rapport{};
    const MotsDuSens colonne{e.motV, e.aMotV, e.motVConnu};
    const MotsDuSens ligne{e.motH, e.aMotH, e.motHConnu};
    if (e.motPrincipalV == 1) {
        remplirRapport(rapport, colonne, ligne);
    } else if (e.motPrincipalH == 1) {
        remplirRapport(rapport, ligne, colonne);
    }
    return rapport;
}

bool AjouterAuDicoUtilisateur(const std::filesystem::path& dossierProgramme, LexiconTrie& trie,
                              const std::vector<std::string>& mots) {
    std::ofstream sortie = ouvrirEnAjout(dossierProgramme / nomDicoUtilisateur);
    if (!sortie.is_open()) return false;
    for (const std::string& mot : mots) {
        sortie << texte::versWindows1252(mot) << "\r\n";
        trie.insert(texte::minusculesAscii(mot));
    }
    sortie.close();
    return !sortie.fail();
}

void RapportMotsRefuses(Jeu& jeu) {
    Partie& partie = jeu.partie;
    const MotsRefuses mots = MotsDuRapport(partie.evaluation);
    const CasesCochees cochees = jeu.vue.RapportMotsRefuses(mots);
    std::vector<std::string> ajoutes;
    bool accepte = true;
    for (std::size_t k = 1; k < mots.size(); ++k) {
        if (mots[k].empty()) continue;  // a hidden box cannot be ticked
        if (cochees[k]) {
            ajoutes.push_back(mots[k]);
        } else {
            accepte = false;
        }
    }
    if (!ajoutes.empty()) AjouterAuDicoUtilisateur(jeu.dossier, jeu.trie, ajoutes);
    EffacerSuggestion(partie);
    jeu.vue.Rafraichir();
    if (accepte) {
        TourSuivant(jeu);
    } else {
        RejeterCoup(jeu);
    }
}

}  // namespace glyphane
