#pragma once
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ai/modele_ordinateur.h"
#include "lexicon/fichiers_recherche.h"
#include "tests/dossier_temporaire.h"
#include "tests/jeu_de_test.h"

namespace glyphane::test {

// A game in a temporary folder whose possibilities and word files a test writes
// by hand, as the possibility update would have left them.
struct AvecDossier {
    DossierTemporaire dossier;
};

class RechercheDeTest : public AvecDossier, public JeuDeTest {
public:
    ModeleOrdinateur modele;

    RechercheDeTest() : JeuDeTest(dossier()) {
        std::filesystem::create_directories(dossier() / dossierRecherches);
        compterAuSac(80);
    }

    void connaitre(std::initializer_list<std::string_view> mots) {
        for (const std::string_view mot : mots) trie.insert(mot);
    }

    // Word file n (2..7 the whole-length files, 8.. the temporary ones).
    void fichier(int n, const std::vector<std::string>& mots) {
        std::string contenu;
        for (const std::string& mot : mots) contenu += mot + "\r\n";
        if (n >= premierFichierTemporaire) {
            jeu.temporaires.ecrire(n, contenu);
        } else {
            std::ofstream(*searchFileName(dossier(), n), std::ios::binary) << contenu;
        }
    }

    // Free squares (column, row) in their order along the segment.
    void possibilite(std::string motif, int numero, const std::vector<std::pair<int, int>>& cases) {
        Possibilite p{std::move(motif), 1, numero, {}, {}};
        for (const auto& [x, y] : cases) {
            p.colonnes.push_back(static_cast<std::uint8_t>(x));
            p.lignes.push_back(static_cast<std::uint8_t>(y));
        }
        modele.Possibilites[cases.size()].push_back(std::move(p));
    }

    // The pattern rows of the committed board, as the turn controller keeps them.
    void noterPlateau() {
        auto& m = modele;
        for (std::size_t x = 1; x <= tailleGrille; ++x) {
            for (std::size_t y = 1; y <= tailleGrille; ++y) {
                const int t = partie.plateau.grilleFixe()[x][y];
                if (t == 0) continue;
                const char chiffre = static_cast<char>('0' + ChiffreJeton[static_cast<std::size_t>(t)]);
                m.LignesLettres[1][y][x - 1] = m.LignesLettres[2][x][y - 1] =
                    partie.plateau.LettreJeton()[static_cast<std::size_t>(t)];
                m.LignesChiffres[1][y][x - 1] = m.LignesChiffres[2][x][y - 1] = chiffre;
            }
        }
    }

    std::vector<std::string> lignesMemo() {
        std::vector<std::string> lignes;
        for (const LigneMot& l : partie.fenetre.copie().memo1) lignes.push_back(l.texte);
        return lignes;
    }

    // The first move's seeds of two and three letters on row H up to the centre,
    // with a small dictionary for a rack of "tea".
    void semerPremierCoup() {
        connaitre({"ah", "et", "ta", "te", "eta", "ete", "tea", "the"});
        fichier(2, {"ah", "et", "ta", "te"});
        fichier(3, {"eta", "ete", "tea", "the"});
        possibilite("???", 3, {{6, 8}, {7, 8}, {8, 8}});
        possibilite("??", 2, {{7, 8}, {8, 8}});
    }

    // This turn's letters on the board, in board order.
    std::string lettresPosees() const {
        std::string lettres;
        for (std::size_t x = 1; x <= tailleGrille; ++x) {
            for (std::size_t y = 1; y <= tailleGrille; ++y) {
                const int jeton = partie.plateau.grilleJeu()[x][y];
                if (jeton != 0 && partie.plateau.grilleFixe()[x][y] == 0)
                    lettres += partie.plateau.LettreJeton()[static_cast<std::size_t>(jeton)];
            }
        }
        return lettres;
    }

    std::vector<std::string> coups() const {
        std::vector<std::string> textes;
        for (const Candidat& c : modele.Candidats) textes.push_back(c.coup);
        return textes;
    }
    std::vector<std::int32_t> points() const {
        std::vector<std::int32_t> scores;
        for (const Candidat& c : modele.Candidats) scores.push_back(c.points);
        return scores;
    }
};

}  // namespace glyphane::test
