#include "lexicon/fichiers_recherche.h"

#include <gtest/gtest.h>

#include <fstream>
#include <new>

#include "lexicon/texte_windows.h"
#include "tests/dossier_temporaire.h"
#include "tests/flux_de_test.h"

namespace glyphane {
namespace {

namespace fs = std::filesystem;

std::string nomDans(const fs::path& dossier, const fs::path& chemin) {
    return fs::relative(chemin, dossier).generic_string();
}

std::vector<std::string> lignesDe(const fs::path& fichier) {
    return texte::lireLignes(fichier).value_or(std::vector<std::string>{{"<absent>"}});
}

TEST(NomsDeRecherche, WholeLengthAndTemporaryFiles) {
    const fs::path d = "/jeu";
    EXPECT_EQ(searchFileName(d, 0)->generic_string(), "/jeu/Recherches/temp");
    EXPECT_EQ(searchFileName(d, 2)->generic_string(), "/jeu/Recherches/0008.gld");
    EXPECT_EQ(searchFileName(d, 7)->generic_string(), "/jeu/Recherches/0003.gld");
    EXPECT_EQ(searchFileName(d, 8)->generic_string(), "/jeu/Recherches/temp/8.gld");
    EXPECT_EQ(searchFileName(d, 8000)->generic_string(), "/jeu/Recherches/temp/8000.gld");
    EXPECT_FALSE(searchFileName(d, 1));
    EXPECT_FALSE(searchFileName(d, -3));
    EXPECT_FALSE(searchFileName(d, 8001));
}

TEST(NomsDeRecherche, PerLetterFilesFollowTheirNumbering) {
    const fs::path d = "/jeu";
    EXPECT_EQ(nomDans(d, fichierParLettre(d, 4, 0)), "Recherches/0009.gld");
    EXPECT_EQ(nomDans(d, fichierParLettre(d, 4, 25)), "Recherches/00034.gld");
    EXPECT_EQ(nomDans(d, fichierParLettre(d, 9, 11)), "Recherches/000150.gld");  // l
    EXPECT_EQ(nomDans(d, fichierParLettre(d, 9, 12)), "Recherches/1.gld");       // m
    EXPECT_EQ(nomDans(d, fichierParLettre(d, 15, 25)), "Recherches/170.gld");
}

TEST(NomsDeRecherche, PatternPicksTheFileOfItsFirstLetter) {
    const fs::path d = "/jeu";
    EXPECT_EQ(nomDans(d, patternSearchFileName(d, "?e")), "Recherches/0008.gld");
    EXPECT_EQ(nomDans(d, patternSearchFileName(d, "??s")), "Recherches/0007.gld");
    EXPECT_EQ(nomDans(d, patternSearchFileName(d, "??e?a?")), "Recherches/00065.gld");
    EXPECT_TRUE(patternSearchFileName(d, "a").empty());
    EXPECT_TRUE(patternSearchFileName(d, std::string(16, 'a')).empty());
}

class EcritureRecherche : public ::testing::Test {
protected:
    test::DossierTemporaire dossier;
    test::FluxDeTest flux{{"le", "zen", "abaca", "mimosa", "largement", "mirabelle", "anticonstitutio"}};

    ResultatRecherche demarrer(LexiconTrie& trie) {
        fs::create_directories(dossier() / "Recherches");
        texte::ecrireLignes(dossier() / "Recherches" / "00075version.gld", {"version 7.5 creation info"});
        return writeSearchFilesIfNeeded(dossier(), trie, flux.flux());
    }
    fs::path fichier(const std::string& nom) const { return dossier() / "Recherches" / nom; }
};

TEST_F(EcritureRecherche, WordsAreFiledByLengthAndLetter) {
    LexiconTrie trie;
    int attentes = 0;
    fs::create_directories(dossier() / "Recherches");
    texte::ecrireLignes(fichier("00075version.gld"), {"version 7.5 creation info"});
    const auto resultat = writeSearchFilesIfNeeded(dossier(), trie, flux.flux(), [&] { ++attentes; });
    ASSERT_TRUE(resultat.reussi);
    EXPECT_TRUE(resultat.fichiersEcrits);
    EXPECT_EQ(attentes, 1);
    EXPECT_TRUE(trie.contains("mimosa"));

    std::size_t nombre = 0;
    for (const auto& entree : fs::directory_iterator(dossier() / "Recherches")) {
        if (entree.path().extension() == ".gld" && entree.path().filename() != "00075version.gld" &&
            entree.path().filename() != "00075color.gld") {
            ++nombre;
        }
    }
    EXPECT_EQ(nombre, 318u);

    EXPECT_EQ(lignesDe(fichier("0008.gld")), std::vector<std::string>{"le"});
    EXPECT_EQ(lignesDe(fichier("0007.gld")), std::vector<std::string>{"zen"});
    EXPECT_EQ(lignesDe(fichier("0005.gld")), std::vector<std::string>{"abaca"});
    // abaca: once in each of the length-5 files of a, b and c, in no other
    EXPECT_EQ(lignesDe(fichier("00035.gld")), std::vector<std::string>{"abaca"});
    EXPECT_EQ(lignesDe(fichier("00036.gld")), std::vector<std::string>{"abaca"});
    EXPECT_EQ(lignesDe(fichier("00037.gld")), std::vector<std::string>{"abaca"});
    EXPECT_TRUE(lignesDe(fichier("00038.gld")).empty());
    // 9 letters: l goes to 000150, m to 1
    EXPECT_EQ(lignesDe(fichier("000150.gld")), (std::vector<std::string>{"largement", "mirabelle"}));
    EXPECT_EQ(lignesDe(fichier("1.gld")), (std::vector<std::string>{"largement", "mirabelle"}));
    // 15 letters: per-letter files only (a = 145)
    EXPECT_EQ(lignesDe(fichier("145.gld")), std::vector<std::string>{"anticonstitutio"});
    EXPECT_EQ(lignesDe(fichier("00075version.gld")),
              (std::vector<std::string>{"version 7.5 creation info", "Creation dico r\xE9" "aliser"}));

    std::ifstream brut(fichier("0007.gld"), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(brut), {}), "zen\r\n");
}

TEST_F(EcritureRecherche, ASecondStartWritesNothingAndReadsTheColour) {
    LexiconTrie premier;
    ASSERT_TRUE(demarrer(premier).fichiersEcrits);
    texte::ecrireLignes(fichier("00075color.gld"), {"$00D8E9EC"});
    LexiconTrie second;
    const auto resultat = writeSearchFilesIfNeeded(dossier(), second, flux.flux(),
                                                   [] { ADD_FAILURE() << "no waiting panel expected"; });
    EXPECT_TRUE(resultat.reussi);
    EXPECT_FALSE(resultat.fichiersEcrits);
    EXPECT_EQ(resultat.couleurFond, "$00D8E9EC");
    EXPECT_TRUE(second.contains("zen"));
}

TEST_F(EcritureRecherche, MissingOrEmptyTwoLetterFileRewritesEverything) {
    LexiconTrie t1, t2, t3;
    ASSERT_TRUE(demarrer(t1).fichiersEcrits);
    fs::remove(fichier("0005.gld"));  // any other file: trusted as it is
    EXPECT_FALSE(writeSearchFilesIfNeeded(dossier(), t2, flux.flux()).fichiersEcrits);
    texte::creerVide(fichier("0008.gld"));
    EXPECT_TRUE(writeSearchFilesIfNeeded(dossier(), t3, flux.flux()).fichiersEcrits);
    EXPECT_EQ(lignesDe(fichier("0008.gld")), std::vector<std::string>{"le"});
    EXPECT_EQ(lignesDe(fichier("0005.gld")), std::vector<std::string>{"abaca"});
}

TEST_F(EcritureRecherche, AStaleMarkerRewritesEverything) {
    LexiconTrie t1, t2;
    ASSERT_TRUE(demarrer(t1).fichiersEcrits);
    texte::ecrireLignes(fichier("00075version.gld"), {"version 7.5 creation info", "Erreur Creation dico "});
    EXPECT_TRUE(writeSearchFilesIfNeeded(dossier(), t2, flux.flux()).fichiersEcrits);
}

TEST_F(EcritureRecherche, MissingMarkerStopsTheStart) {
    LexiconTrie trie;
    fs::create_directories(dossier() / "Recherches");
    EXPECT_FALSE(writeSearchFilesIfNeeded(dossier(), trie, flux.flux()).reussi);
}

TEST_F(EcritureRecherche, AFailedBuildLeavesTheMarkerUndone) {
    // A malformed stream stands for any fault in the middle of the writing.
    LexiconTrie trie;
    fs::create_directories(dossier() / "Recherches");
    texte::ecrireLignes(fichier("00075version.gld"), {"version 7.5 creation info"});
    const std::vector<std::uint8_t> casse = {11, 4, 26, 31};
    const std::vector<std::uint8_t> lettres = [] {
        std::vector<std::uint8_t> l;
        for (char c = 'a'; c <= 'z'; ++c) l.push_back(static_cast<std::uint8_t>(c));
        return l;
    }();
    EXPECT_FALSE(writeSearchFilesIfNeeded(dossier(), trie, {casse, lettres}).reussi);
    EXPECT_EQ(lignesDe(fichier("00075version.gld")),
              (std::vector<std::string>{"version 7.5 creation info", "Erreur Creation dico "}));
    LexiconTrie ensuite;
    EXPECT_TRUE(writeSearchFilesIfNeeded(dossier(), ensuite, flux.flux()).fichiersEcrits);
}

TEST_F(EcritureRecherche, AFailingWaitingPanelStopsTheStart) {
    LexiconTrie trie;
    fs::create_directories(dossier() / "Recherches");
    texte::ecrireLignes(fichier("00075version.gld"), {"version 7.5 creation info"});
    const auto resultat =
        writeSearchFilesIfNeeded(dossier(), trie, flux.flux(), [] { throw std::bad_alloc(); });
    EXPECT_FALSE(resultat.reussi);
    EXPECT_EQ(lignesDe(fichier("00075version.gld"))[1], "Erreur Creation dico ");
}

}  // namespace
}  // namespace glyphane
