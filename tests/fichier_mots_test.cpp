#include "ai/fichier_mots.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "lexicon/fichiers_temporaires.h"
#include "tests/mise_a_jour_de_test.h"

namespace glyphane {
namespace {

using test::MiseAJourDeTest;
using test::possibilite;
using test::segment;
namespace fs = std::filesystem;

TEST(FichierMots, TheSourceIsTheSmallestSearchFileThatHoldsEveryFittingWord) {
    MiseAJourDeTest t;
    const fs::path& d = t.dossier();
    EXPECT_EQ(fichierSource(d, segment("?", {{1, 1}})), searchFileName(d, 2));
    EXPECT_EQ(fichierSource(d, segment("???", test::cases({1, 1}, 3, Sens::horizontal))), searchFileName(d, 3));
    EXPECT_EQ(fichierSource(d, segment("l??", test::cases({2, 1}, 2, Sens::horizontal))), searchFileName(d, 3));
    EXPECT_EQ(fichierSource(d, segment("?a??s", test::cases({1, 1}, 3, Sens::horizontal))),
              fichierParLettre(d, 5, 0));
}

TEST(FichierMots, AWordMustFitTheLettersAndCompleteEveryCrossingWord) {
    MiseAJourDeTest t;
    // "?e" with "?a" across its free square: le (la), se (sa), te (ta); not ne (na).
    EXPECT_EQ(MotsDuSegment(t.trie, segment("?e", {{5, 5}}, "1a,"), "le\r\nne\r\nse\r\nte\r\n"), "le\r\nse\r\nte\r\n");
    // Two frames, one per free square, the digit anywhere in its frame.
    EXPECT_EQ(MotsDuSegment(t.trie, segment("??", {{5, 5}, {6, 5}}, "1s,2a,"), "as\nes\net\nla\nsa\nta\n"),
              "as\r\nes\r\net\r\n");
    // A frame after the lone square of a one-letter crossing, and lines ended
    // either way; a line too short for the segment is no word for it.
    EXPECT_EQ(MotsDuSegment(t.trie, segment("ta?", {{3, 1}}, "1s,"), "tas\r\ntal\ntu\n"), "");
    EXPECT_EQ(MotsDuSegment(t.trie, segment("ta?", {{3, 1}}, "e1,"), "tas\r\ntal\ntu"), "tas\r\n");
}

TEST(FichierMots, AFileIsMadeAndNumberedOnlyWhenAWordFits) {
    MiseAJourDeTest t;
    NumerotationFichiers numeros(t.modele);
    SourcesDeMots sources(t.trie);

    const auto fait = ConstruireFichierMots(t.jeu, segment("?e", {{5, 5}}, "1a,"), numeros, sources);
    ASSERT_EQ(fait, 8);
    EXPECT_EQ(t.modele.compteurFichiers, 8);
    EXPECT_EQ(t.lire(8), "le\r\nse\r\nte\r\n");

    // No letter completes "?z" across: no word, no file, the counter stays.
    EXPECT_EQ(ConstruireFichierMots(t.jeu, segment("?e", {{5, 5}}, "1z,"), numeros, sources), std::nullopt);
    EXPECT_EQ(ConstruireFichierMots(t.jeu, segment("x??", {{2, 1}, {3, 1}}), numeros, sources), std::nullopt);
    EXPECT_EQ(t.modele.compteurFichiers, 8);
    EXPECT_FALSE(t.existe(9));

    // A source file gone from the folder is taken from the dictionary: the
    // same words.
    const Segment quatre = segment("?i??", test::cases({1, 1}, 3, Sens::horizontal));
    std::string source;
    ASSERT_TRUE(lireFichierEntier(*fichierSource(t.dossier(), quatre), source));
    fs::remove(*fichierSource(t.dossier(), quatre));
    ASSERT_EQ(ConstruireFichierMots(t.jeu, quatre, numeros, sources), 9);
    EXPECT_EQ(t.lire(9), MotsDuSegment(t.trie, quatre, source));
    EXPECT_EQ(t.lire(9), "lits\r\n");
}

TEST(FichierMots, AWholeFileIsReadAcrossItsBlocks) {
    test::DossierTemporaire dossier;
    const fs::path fichier = dossier() / "gros.gld";
    std::string contenu;
    for (int i = 0; contenu.size() < 200'000; ++i) contenu += "mot" + std::to_string(i) + "\r\n";
    std::ofstream(fichier, std::ios::binary) << contenu;
    std::string lu = "reste d'une lecture precedente";
    ASSERT_TRUE(lireFichierEntier(fichier, lu));
    EXPECT_EQ(lu, contenu);
    EXPECT_FALSE(lireFichierEntier(dossier() / "absent.gld", lu));
    EXPECT_FALSE(lireFichierEntier(dossier(), lu));
    ASSERT_EQ(mkfifo((dossier() / "fifo.gld").c_str(), 0600), 0);
    EXPECT_FALSE(lireFichierEntier(dossier() / "fifo.gld", lu));
}

TEST(NumerotationFichiers, NumbersBelowTheTemporaryFilesAreNeverHandedOut) {
    ModeleOrdinateur modele;
    modele.compteurFichiers = 0;
    NumerotationFichiers numeros(modele);
    EXPECT_EQ(numeros.prochainNumero(), 8);
    EXPECT_EQ(numeros.prochainNumero(), 9);
    EXPECT_EQ(modele.compteurFichiers, 9);
}

TEST(NumerotationFichiers, PastTheLastNumberOnlyNumbersNoRecordHoldsComeBack) {
    ModeleOrdinateur modele;
    modele.compteurFichiers = dernierFichierTemporaire;
    for (int n = premierFichierTemporaire; n <= dernierFichierTemporaire; ++n) {
        if (n == 10 || n == 13) continue;
        // Invalid records still holding a number still have their file.
        modele.Possibilites[1].push_back(possibilite("?", {{1, 1}}, n, n % 2 == 0 ? 1 : 0));
    }
    NumerotationFichiers numeros(modele);
    EXPECT_EQ(numeros.prochainNumero(), 10);
    EXPECT_EQ(numeros.prochainNumero(), 13);
    EXPECT_EQ(numeros.prochainNumero(), std::nullopt);
    EXPECT_EQ(modele.compteurFichiers, dernierFichierTemporaire);
}

}  // namespace
}  // namespace glyphane
