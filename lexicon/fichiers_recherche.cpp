#include "lexicon/fichiers_recherche.h"

#include <array>
#include <cstdio>
#include <memory>
#include <new>
#include <string>
#include <system_error>
#include <vector>

#include "lexicon/texte_windows.h"

namespace glyphane {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t nombreLettres = 26;
constexpr std::size_t longueurParLettreMin = 4;
constexpr std::size_t longueurParLettreMax = 15;
constexpr std::size_t longueurEntiereMin = 2;
constexpr std::size_t longueurEntiereMax = 7;
constexpr std::size_t indiceNomCourt = 142;

fs::path dansRecherches(const fs::path& dossier, const std::string& nom) {
    return dossier / dossierRecherches / nom;
}

fs::path fichierLongueurEntiere(const fs::path& dossier, std::size_t longueur) {
    return dansRecherches(dossier, "000" + std::to_string(10 - longueur) + ".gld");
}

// Every search file in the order they are opened: whole lengths 2..7, then the
// per-letter files by length and letter.
std::vector<fs::path> tousLesFichiers(const fs::path& dossier) {
    std::vector<fs::path> noms;
    noms.reserve(nombreFichiersRecherche);
    for (std::size_t l = longueurEntiereMin; l <= longueurEntiereMax; ++l) {
        noms.push_back(fichierLongueurEntiere(dossier, l));
    }
    for (std::size_t l = longueurParLettreMin; l <= longueurParLettreMax; ++l) {
        for (std::size_t j = 0; j < nombreLettres; ++j) noms.push_back(fichierParLettre(dossier, l, j));
    }
    return noms;
}

struct FermerFichier {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using Fichier = std::unique_ptr<std::FILE, FermerFichier>;

// Files each word of the stream under its length and its letters. Lines are
// gathered in a buffer per file and written in large blocks.
class EcrivainRecherche {
public:
    bool ouvrir(const std::vector<fs::path>& noms) {
        fichiers.reserve(noms.size());
        for (const fs::path& nom : noms) {
            Fichier f(std::fopen(nom.c_str(), "wb"));
            if (!f) return false;
            fichiers.push_back({std::move(f), {}});
        }
        return true;
    }

    bool ecrireMot(std::string_view mot) {
        const std::size_t l = mot.size();
        if (l < longueurEntiereMin || l > longueurParLettreMax) return true;
        if (l <= longueurEntiereMax && !ajouter(l - longueurEntiereMin, mot)) return false;
        if (l < longueurParLettreMin) return true;
        std::uint32_t presentes = 0;
        for (const char c : mot) {
            if (c >= 'a' && c <= 'z') presentes |= 1u << static_cast<unsigned>(c - 'a');
        }
        const std::size_t premier = 6 + (l - longueurParLettreMin) * nombreLettres;
        for (std::size_t j = 0; j < nombreLettres; ++j) {
            if ((presentes >> j & 1u) != 0 && !ajouter(premier + j, mot)) return false;
        }
        return true;
    }

    bool fermer() {
        bool ok = true;
        for (Sortie& s : fichiers) ok = vider(s) && ok;
        for (Sortie& s : fichiers) ok = (std::fclose(s.fichier.release()) == 0) && ok;
        fichiers.clear();
        return ok;
    }

private:
    static constexpr std::size_t tailleBloc = 16 * 1024;

    struct Sortie {
        Fichier fichier;
        std::string tampon;
    };

    bool ajouter(std::size_t indice, std::string_view mot) {
        Sortie& s = fichiers[indice];
        s.tampon.append(mot).append("\r\n");
        return s.tampon.size() < tailleBloc || vider(s);
    }

    static bool vider(Sortie& s) {
        const bool ok = std::fwrite(s.tampon.data(), 1, s.tampon.size(), s.fichier.get()) == s.tampon.size();
        s.tampon.clear();
        return ok;
    }

    std::vector<Sortie> fichiers;
};

bool ecrireMarqueur(const fs::path& marqueur, std::string_view secondeLigne) {
    return texte::ecrireLignes(marqueur, {std::string(ligneVersion), texte::versWindows1252(secondeLigne)});
}

bool creerSiAbsent(const fs::path& dossier) {
    std::error_code erreur;
    if (fs::is_directory(dossier, erreur)) return false;
    fs::create_directories(dossier, erreur);
    return true;
}

std::string lireCouleur(const fs::path& dossier) {
    const fs::path fichier = dansRecherches(dossier, std::string(nomFichierCouleur));
    const auto lignes = texte::lireLignes(fichier);
    if (!lignes) {
        texte::creerVide(fichier);
        return {};
    }
    return lignes->empty() ? std::string() : texte::depuisWindows1252(lignes->front());
}

bool fichiersAbsentsOuVides(const fs::path& dossier) {
    std::error_code erreur;
    const auto taille = fs::file_size(fichierLongueurEntiere(dossier, 2), erreur);
    return erreur || taille == 0;
}

// Siblings stand in ascending letter order, so a depth-first walk meets the
// words in alphabetical order.
void ajouterMotsDeLongueur(const TrieNode* noeud, std::string& mot, std::size_t longueur,
                           std::optional<char> lettre, std::string& sortie) {
    for (; noeud != nullptr; noeud = noeud->sibling) {
        mot.push_back(static_cast<char>(noeud->letter));
        if (mot.size() < longueur) {
            ajouterMotsDeLongueur(noeud->child, mot, longueur, lettre, sortie);
        } else if (noeud->isWord == 1 && (!lettre || mot.find(*lettre) != std::string::npos)) {
            sortie.append(mot).append("\r\n");
        }
        mot.pop_back();
    }
}

}  // namespace

fs::path fichierParLettre(const fs::path& dossier, std::size_t longueur, std::size_t lettre) {
    const std::size_t s = (longueur - longueurParLettreMin) * nombreLettres + lettre;
    if (s < indiceNomCourt) return dansRecherches(dossier, "000" + std::to_string(s + 9) + ".gld");
    return dansRecherches(dossier, std::to_string(s - 141) + ".gld");
}

std::optional<fs::path> searchFileName(const fs::path& dossierProgramme, int n) {
    if (n == 0) return dossierProgramme / dossierRecherches / "temp";
    if (n >= 2 && n <= 7) return fichierLongueurEntiere(dossierProgramme, static_cast<std::size_t>(n));
    if (n >= premierFichierTemporaire && n <= dernierFichierTemporaire) {
        return dossierProgramme / dossierRecherches / "temp" / (std::to_string(n) + ".gld");
    }
    return std::nullopt;
}

fs::path patternSearchFileName(const fs::path& dossierProgramme, std::string_view pattern) {
    const std::size_t l = pattern.size();
    if (l == 2 || l == 3) return fichierLongueurEntiere(dossierProgramme, l);
    if (l < longueurParLettreMin || l > longueurParLettreMax) return {};
    for (const char c : pattern) {
        if (c >= 'a' && c <= 'z') return fichierParLettre(dossierProgramme, l, static_cast<std::size_t>(c - 'a'));
    }
    return {};
}

ResultatRecherche writeSearchFilesIfNeeded(const fs::path& dossierProgramme, LexiconTrie& trie,
                                           const FluxMots& flux,
                                           const std::function<void()>& afficherAttente) {
    ResultatRecherche resultat;
    bool rebuild = creerSiAbsent(dossierProgramme);
    rebuild = creerSiAbsent(dossierProgramme / dossierRecherches) || rebuild;

    const fs::path marqueur = dansRecherches(dossierProgramme, std::string(nomMarqueurVersion));
    const auto lignes = texte::lireLignes(marqueur);
    if (!lignes) return resultat;
    const bool creationFaite =
        lignes->size() >= 2 && (*lignes)[1] == texte::versWindows1252(ligneCreationFaite);
    // The marker only says "done" once every file is complete: a start that stops
    // half-way (a full disk, a crash) leaves it saying so, and the next start
    // writes the files again instead of trusting them.
    if (!creationFaite && ecrireMarqueur(marqueur, ligneCreationEchouee)) rebuild = true;

    resultat.couleurFond = lireCouleur(dossierProgramme);
    rebuild = fichiersAbsentsOuVides(dossierProgramme) || rebuild;

    if (!rebuild) {
        resultat.reussi = trie.buildFromStream(flux.codes, flux.lettres);
        return resultat;
    }

    if (creationFaite) ecrireMarqueur(marqueur, ligneCreationEchouee);
    EcrivainRecherche ecrivain;
    // The start fails as when a file cannot be opened, and the caller says so.
    try {
        if (!ecrivain.ouvrir(tousLesFichiers(dossierProgramme))) return resultat;
        if (afficherAttente) afficherAttente();
    } catch (const std::bad_alloc&) {
        return resultat;
    }
    const bool construit = trie.buildFromStream(
        flux.codes, flux.lettres, [&ecrivain](std::string_view mot) { return ecrivain.ecrireMot(mot); });
    // Lines are buffered, so a failed write may only show when the files are
    // flushed: that is a failed write all the same.
    const bool fermes = ecrivain.fermer();
    resultat.reussi = construit && fermes;
    resultat.fichiersEcrits = resultat.reussi;
    if (resultat.reussi) ecrireMarqueur(marqueur, ligneCreationFaite);
    return resultat;
}

std::string motsDuDictionnaire(const LexiconTrie& trie, std::size_t longueur, std::optional<char> lettre) {
    std::string mot;
    std::string sortie;
    ajouterMotsDeLongueur(trie.racine(), mot, longueur, lettre, sortie);
    return sortie;
}

}  // namespace glyphane
