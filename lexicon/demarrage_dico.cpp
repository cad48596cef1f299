#include "lexicon/demarrage_dico.h"

#include <algorithm>
#include <system_error>

#include "lexicon/texte_windows.h"

namespace glyphane {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t longueurLigneEnTete = 16;

bool queDesMinuscules(const std::string& ligne) {
    return std::all_of(ligne.begin(), ligne.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

}  // namespace

const std::vector<std::string>& enteteDicoRetrait() {
    static const std::vector<std::string> entete = [] {
        std::vector<std::string> lignes;
        for (const char* ligne : {
                 "******* Dictionnaire de retrait  ******************",
                 "**************************************************",
                 "**-Les mots inscrits dans ce fichier ne",
                 "** seront plus accepter.",
                 "**-N'écrivez qu'un seul mot par ligne,s'il",
                 "** existe,il sera effacé du dictionnaire.",
                 "**-Ces 9 premières lignes ne sont pas lues",
                 "** par le programme !",
                 "**************************************************",
             }) {
            lignes.push_back(texte::versWindows1252(ligne));
        }
        return lignes;
    }();
    return entete;
}

DemarrageDictionnaire::DemarrageDictionnaire(fs::path dossierProgramme, LexiconTrie& trieCible)
    : dossier(std::move(dossierProgramme)), trie(trieCible) {}

void DemarrageDictionnaire::preparerDossiers() {
    std::error_code erreur;
    fs::create_directories(dossier / dossierRecherches, erreur);

    const fs::path marqueur = dossier / dossierRecherches / nomMarqueurVersion;
    if (!fs::exists(marqueur, erreur)) texte::creerVide(marqueur);
    const auto lignes = texte::lireLignes(marqueur);
    if (!lignes) {
        images = true;
        return;
    }
    if (lignes->empty() || lignes->front() != ligneVersion) {
        images = texte::ecrireLignes(marqueur, {std::string(ligneVersion)});
    }
}

bool DemarrageDictionnaire::construireTrie(const FluxMots& flux, const std::function<void()>& afficherAttente) {
    resultatRecherche = writeSearchFilesIfNeeded(dossier, trie, flux, afficherAttente);
    return resultatRecherche.reussi;
}

void DemarrageDictionnaire::chargerMotsUtilisateur() {
    const fs::path fichier = dossier / nomDicoUtilisateur;
    std::error_code erreur;
    if (!fs::exists(fichier, erreur)) texte::creerVide(fichier);
    const auto lignes = texte::lireLignes(fichier);
    if (!lignes) return;
    for (const std::string& brute : *lignes) {
        const std::string ligne = texte::minusculesAscii(brute);
        if (ligne.empty() || ligne.size() > LexiconTrie::longueurMax || !queDesMinuscules(ligne)) continue;
        trie.insert(ligne);
    }
}

bool DemarrageDictionnaire::creerRetraitSiAbsent() const {
    const fs::path fichier = dossier / nomDicoRetrait;
    std::error_code erreur;
    if (fs::exists(fichier, erreur)) return true;
    return texte::ecrireLignes(fichier, enteteDicoRetrait());
}

void DemarrageDictionnaire::premierPassageRetrait() {
    creerRetraitSiAbsent();
    const auto lignes = texte::lireLignes(dossier / nomDicoRetrait);
    if (!lignes) return;
    for (const std::string& ligne : *lignes) {
        if (ligne.size() < longueurLigneEnTete) trie.remove(texte::minusculesAscii(ligne));
    }
}

void DemarrageDictionnaire::secondPassageRetrait() {
    creerRetraitSiAbsent();
    const auto lignes = texte::lireLignes(dossier / nomDicoRetrait);
    if (!lignes) return;
    const std::size_t tailleEnTete = enteteDicoRetrait().size();
    for (std::size_t i = tailleEnTete; i < lignes->size(); ++i) {
        trie.remove(texte::minusculesAscii((*lignes)[i]));
    }
}

bool DemarrageDictionnaire::toutDemarrer(const FluxMots& flux) {
    preparerDossiers();
    if (!construireTrie(flux)) return false;
    chargerMotsUtilisateur();
    premierPassageRetrait();
    secondPassageRetrait();
    return true;
}

}  // namespace glyphane
