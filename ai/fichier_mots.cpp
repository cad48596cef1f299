#include "ai/fichier_mots.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "lexicon/fichiers_recherche.h"
#include "lexicon/fichiers_temporaires.h"

namespace glyphane {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t nombreDeLettres = 26;

// One crossing word still missing the letter of one free square, and the
// letters that complete it.
struct Croisement {
    std::size_t placeDansMot = 0;
    std::array<bool, nombreDeLettres> completent{};
};

// What a word must satisfy to fit the segment, taken apart once per segment so
// that each line costs a few comparisons. A crossing word is looked up once per
// letter of the alphabet, not once per line of the source file, which holds
// thousands of words.
class FiltreSegment {
public:
    FiltreSegment(const LexiconTrie& trie, const Segment& segment) : longueur(segment.motif.size()) {
        std::vector<std::size_t> placesLibres;
        for (std::size_t j = 0; j < segment.motif.size(); ++j) {
            if (segment.motif[j] == lettreInconnue) {
                placesLibres.push_back(j);
            } else {
                lettresFixes.push_back({j, segment.motif[j]});
            }
        }
        lireCroisements(trie, segment.croisements, placesLibres);
    }

    bool accepte(std::string_view mot) const {
        if (mot.size() < longueur) return false;
        for (const auto& [place, lettre] : lettresFixes) {
            if (mot[place] != lettre) return false;
        }
        for (const Croisement& c : croisements) {
            const auto rang = static_cast<std::size_t>(static_cast<unsigned char>(mot[c.placeDansMot] - 'a'));
            if (rang >= nombreDeLettres || !c.completent[rang]) return false;
        }
        return true;
    }

private:
    // "a2s,bo1," : each frame holds the digit k of the free square it crosses.
    void lireCroisements(const LexiconTrie& trie, std::string_view texte,
                         const std::vector<std::size_t>& placesLibres) {
        while (!texte.empty()) {
            const std::size_t virgule = std::min(texte.find(','), texte.size());
            std::string cadre(texte.substr(0, virgule));
            texte.remove_prefix(std::min(virgule + 1, texte.size()));
            const auto chiffre = std::find_if(cadre.begin(), cadre.end(), [](char c) { return c >= '1' && c <= '7'; });
            if (chiffre == cadre.end()) continue;
            const auto k = static_cast<std::size_t>(*chiffre - '1');
            if (k >= placesLibres.size()) continue;
            Croisement& croisement = croisements.emplace_back();
            croisement.placeDansMot = placesLibres[k];
            for (std::size_t rang = 0; rang < nombreDeLettres; ++rang) {
                *chiffre = static_cast<char>('a' + rang);
                croisement.completent[rang] = trie.contains(cadre);
            }
        }
    }

    std::size_t longueur;
    std::vector<std::pair<std::size_t, char>> lettresFixes;
    std::vector<Croisement> croisements;
};

// What the segment's search file holds, from the dictionary: the same length,
// and for 4 letters and more the same first letter, as the naming picks it.
std::string motsDeSecours(const LexiconTrie& trie, const Segment& segment) {
    const std::string& motif = segment.motif;
    const std::size_t libres = segment.lignes.size();
    if (motif.size() == libres) return motsDuDictionnaire(trie, libres == 1 ? 2 : libres, std::nullopt);
    constexpr std::size_t longueurParLettreMin = 4;
    const auto lettre = std::find_if(motif.begin(), motif.end(), [](char c) { return c >= 'a' && c <= 'z'; });
    if (motif.size() < longueurParLettreMin || lettre == motif.end()) {
        return motsDuDictionnaire(trie, motif.size(), std::nullopt);
    }
    return motsDuDictionnaire(trie, motif.size(), *lettre);
}

}  // namespace

void NumerotationFichiers::releverNumerosPris() {
    pris.assign(dernierFichierTemporaire + 1, false);
    for (const auto& liste : modele.Possibilites) {
        for (const Possibilite& possibilite : liste) {
            if (possibilite.numeroFichier >= premierFichierTemporaire &&
                possibilite.numeroFichier <= dernierFichierTemporaire) {
                pris[static_cast<std::size_t>(possibilite.numeroFichier)] = true;
            }
        }
    }
    curseur = premierFichierTemporaire;
}

std::optional<std::int32_t> NumerotationFichiers::prochainNumero() {
    if (modele.compteurFichiers < dernierFichierTemporaire) {
        // Below the first temporary number the naming gives the search files
        // themselves, which must never be written over.
        modele.compteurFichiers = std::max(modele.compteurFichiers, premierFichierTemporaire - 1);
        return ++modele.compteurFichiers;
    }
    if (pris.empty()) releverNumerosPris();
    while (curseur <= dernierFichierTemporaire && pris[static_cast<std::size_t>(curseur)]) ++curseur;
    if (curseur > dernierFichierTemporaire) return std::nullopt;
    pris[static_cast<std::size_t>(curseur)] = true;
    return curseur++;
}

std::optional<fs::path> fichierSource(const fs::path& dossierProgramme, const Segment& segment) {
    const std::size_t libres = segment.lignes.size();
    if (segment.motif.size() == libres) {
        return searchFileName(dossierProgramme, libres == 1 ? 2 : static_cast<int>(libres));
    }
    fs::path nom = patternSearchFileName(dossierProgramme, segment.motif);
    if (nom.empty()) return std::nullopt;
    return nom;
}

std::string MotsDuSegment(const LexiconTrie& trie, const Segment& segment, std::string_view source) {
    FiltreSegment filtre(trie, segment);
    std::string retenus;
    while (!source.empty()) {
        const char* fin = static_cast<const char*>(std::memchr(source.data(), '\n', source.size()));
        const std::size_t longueurLigne = fin == nullptr ? source.size() : static_cast<std::size_t>(fin - source.data());
        std::string_view mot = source.substr(0, longueurLigne);
        source.remove_prefix(std::min(longueurLigne + 1, source.size()));
        if (!mot.empty() && mot.back() == '\r') mot.remove_suffix(1);
        if (filtre.accepte(mot)) retenus.append(mot).append("\r\n");
    }
    return retenus;
}

const std::string* SourcesDeMots::contenu(const fs::path& dossierProgramme, const Segment& segment) {
    const auto fichier = fichierSource(dossierProgramme, segment);
    if (!fichier) return nullptr;
    auto [entree, nouvelle] = lues.try_emplace(*fichier);
    // A search file that can no longer be read (the folder deleted under the
    // running program) is taken from the dictionary: without it the computer
    // would find nothing more to play and exchange for ever.
    if (nouvelle && !lireFichierEntier(*fichier, entree->second)) entree->second = motsDeSecours(trie, segment);
    return &entree->second;
}

std::optional<std::int32_t> ConstruireFichierMots(Jeu& jeu, const Segment& segment, NumerotationFichiers& numeros,
                                                  SourcesDeMots& sources) {
    const std::string* texte = sources.contenu(jeu.dossier, segment);
    if (texte == nullptr) return std::nullopt;
    const std::string mots = MotsDuSegment(jeu.trie, segment, *texte);
    if (mots.empty()) return std::nullopt;
    const auto numero = numeros.prochainNumero();
    if (!numero || !jeu.temporaires.ecrire(*numero, mots)) return std::nullopt;
    return numero;
}

bool LireFichierMots(Jeu& jeu, std::int32_t numero, std::string& contenu) {
    if (numero >= premierFichierTemporaire) return jeu.temporaires.lire(numero, contenu);
    // Numbers below the whole-length files name no word file (0 is a record
    // whose file was deleted).
    constexpr std::int32_t longueurMin = 2;
    const auto fichier = searchFileName(jeu.dossier, numero);
    if (numero < longueurMin || !fichier) return false;
    if (!lireFichierEntier(*fichier, contenu)) {
        contenu = motsDuDictionnaire(jeu.trie, static_cast<std::size_t>(numero), std::nullopt);
    }
    return true;
}

}  // namespace glyphane
