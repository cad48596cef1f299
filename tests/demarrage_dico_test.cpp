#include "lexicon/demarrage_dico.h"

#include <gtest/gtest.h>

#include <fstream>

#include "lexicon/texte_windows.h"
#include "tests/dossier_temporaire.h"
#include "tests/flux_de_test.h"
#include "tests/lire_brut.h"
#include "tests/sans_privileges.h"

namespace glyphane {
namespace {

namespace fs = std::filesystem;

using test::lireBrut;

class Demarrage : public ::testing::Test {
protected:
    test::DossierTemporaire temp;
    fs::path dossier = temp() / "jeu";  // not there yet: start-up creates it
    test::FluxDeTest flux{{"le", "chat", "chaton", "chien", "maison", "zen", "mot", "mots"}};

    bool demarrer(LexiconTrie& trie) { return DemarrageDictionnaire(dossier, trie).toutDemarrer(flux.flux()); }
    void ecrire(const std::string& nom, const std::string& octets) {
        std::ofstream(dossier / nom, std::ios::binary) << octets;
    }
};

TEST_F(Demarrage, FirstRunCreatesEveryFile) {
    LexiconTrie trie;
    DemarrageDictionnaire demarrage(dossier, trie);
    demarrage.preparerDossiers();
    EXPECT_TRUE(demarrage.imagesAFaire());  // a new marker: the pictures are drawn anew
    ASSERT_TRUE(demarrage.construireTrie(flux.flux()));
    EXPECT_TRUE(demarrage.recherche().fichiersEcrits);
    demarrage.chargerMotsUtilisateur();
    demarrage.premierPassageRetrait();
    demarrage.secondPassageRetrait();

    EXPECT_TRUE(fs::is_directory(dossier / "Recherches"));
    EXPECT_EQ(lireBrut(dossier / "Recherches" / "00075version.gld"),
              "version 7.5 creation info\r\nCreation dico r\xE9" "aliser\r\n");
    EXPECT_EQ(lireBrut(dossier / "dico glyphane.txt"), "");
    EXPECT_EQ(lireBrut(dossier / "Recherches" / "00075color.gld"), "");
    const std::string retrait = lireBrut(dossier / "dico retrait.txt");
    EXPECT_EQ(retrait,
              "******* Dictionnaire de retrait  ******************\r\n"
              "**************************************************\r\n"
              "**-Les mots inscrits dans ce fichier ne\r\n"
              "** seront plus accepter.\r\n"
              "**-N'\xE9" "crivez qu'un seul mot par ligne,s'il\r\n"
              "** existe,il sera effac\xE9 du dictionnaire.\r\n"
              "**-Ces 9 premi\xE8res lignes ne sont pas lues\r\n"
              "** par le programme !\r\n"
              "**************************************************\r\n");
    EXPECT_TRUE(trie.contains("chaton"));
}

TEST_F(Demarrage, SecondRunWritesNothingAndKeepsThePictures) {
    LexiconTrie premier;
    ASSERT_TRUE(demarrer(premier));
    const auto date = fs::last_write_time(dossier / "Recherches" / "0008.gld");
    LexiconTrie second;
    DemarrageDictionnaire demarrage(dossier, second);
    demarrage.preparerDossiers();
    EXPECT_FALSE(demarrage.imagesAFaire());
    ASSERT_TRUE(demarrage.construireTrie(flux.flux()));
    EXPECT_FALSE(demarrage.recherche().fichiersEcrits);
    EXPECT_EQ(fs::last_write_time(dossier / "Recherches" / "0008.gld"), date);
}

TEST_F(Demarrage, AForeignMarkerIsRewrittenAndEverythingRemade) {
    LexiconTrie premier;
    ASSERT_TRUE(demarrer(premier));
    texte::ecrireLignes(dossier / "Recherches" / "00075version.gld", {"version 7.4 creation info", "Creation dico r\xE9" "aliser"});
    LexiconTrie second;
    DemarrageDictionnaire demarrage(dossier, second);
    demarrage.preparerDossiers();
    EXPECT_TRUE(demarrage.imagesAFaire());
    ASSERT_TRUE(demarrage.construireTrie(flux.flux()));
    EXPECT_TRUE(demarrage.recherche().fichiersEcrits);
    EXPECT_EQ(lireBrut(dossier / "Recherches" / "00075version.gld"),
              "version 7.5 creation info\r\nCreation dico r\xE9" "aliser\r\n");
}

TEST_F(Demarrage, UserWordsAreFilteredAndWithdrawalsWin) {
    fs::create_directories(dossier);
    ecrire("dico glyphane.txt",
           "Maison\r\nKIWIS\r\nbl\xE9\r\nporte-avion\r\ndeux mots\r\nmot \r\nqrstuvwxyzabcdef\r\n"
           "\r\nx\r\nabcdefghijklmno\nchien\r\n");
    std::string retrait;
    for (const auto& ligne : enteteDicoRetrait()) retrait += ligne + "\r\n";
    ecrire("dico retrait.txt", retrait + "Chat\r\nlicorne\r\nchien\r\n");
    LexiconTrie trie;
    ASSERT_TRUE(demarrer(trie));
    EXPECT_TRUE(trie.contains("maison"));
    EXPECT_TRUE(trie.contains("kiwis"));
    EXPECT_TRUE(trie.contains("abcdefghijklmno"));
    EXPECT_FALSE(trie.contains("porte"));
    EXPECT_FALSE(trie.contains("deux"));
    EXPECT_FALSE(trie.contains("qrstuvwxyzabcde"));  // its line had 16 letters
    EXPECT_FALSE(trie.contains("x"));
    EXPECT_FALSE(trie.contains("chat"));       // withdrawn
    EXPECT_TRUE(trie.contains("chaton"));      // the longer word stays
    EXPECT_FALSE(trie.contains("chien"));      // in both lists: withdrawn
    EXPECT_TRUE(trie.contains("mot"));
    EXPECT_TRUE(trie.contains("le"));          // the header lines withdraw nothing
}

TEST_F(Demarrage, LongWithdrawalLinesWithdrawTheirFirstFifteenLetters) {
    fs::create_directories(dossier);
    ecrire("dico glyphane.txt", "abcdefghijklmno\r\n");
    std::string retrait;
    for (const auto& ligne : enteteDicoRetrait()) retrait += ligne + "\r\n";
    ecrire("dico retrait.txt", retrait + "ABCDEFGHIJKLMNOPQR\r\n");
    LexiconTrie trie;
    ASSERT_TRUE(demarrer(trie));
    EXPECT_FALSE(trie.contains("abcdefghijklmno"));
}

TEST_F(Demarrage, AFolderThatCannotBeCreatedStopsTheStart) {
    std::ofstream(temp() / "fichier") << "x";
    dossier = temp() / "fichier" / "jeu";
    LexiconTrie trie;
    EXPECT_FALSE(demarrer(trie));
}

TEST_F(Demarrage, AReadOnlyFolderStopsTheStartWithoutWritingAnything) {
    fs::create_directories(dossier);
    fs::permissions(temp(), fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    fs::permissions(dossier, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                 fs::perms::others_read | fs::perms::others_exec);
    const fs::path d = dossier;
    const auto fl = flux.flux();
    EXPECT_TRUE(test::sansPrivileges([&] {
        LexiconTrie trie;
        return !DemarrageDictionnaire(d, trie).toutDemarrer(fl);
    }));
    EXPECT_TRUE(fs::is_empty(dossier));
}

TEST_F(Demarrage, AReadOnlyFolderThatWasSetUpBeforeStillStarts) {
    LexiconTrie premier;
    ASSERT_TRUE(demarrer(premier));
    fs::permissions(temp(), fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    for (const auto& entree : fs::recursive_directory_iterator(dossier)) {
        fs::permissions(entree.path(), fs::perms::others_read | fs::perms::group_read, fs::perm_options::add);
        if (entree.is_directory()) fs::permissions(entree.path(), fs::perms::others_exec, fs::perm_options::add);
    }
    fs::permissions(dossier, fs::perms::others_read | fs::perms::others_exec, fs::perm_options::add);
    const fs::path d = dossier;
    const auto fl = flux.flux();
    EXPECT_TRUE(test::sansPrivileges([&] {
        LexiconTrie trie;
        return DemarrageDictionnaire(d, trie).toutDemarrer(fl) && trie.contains("chaton");
    }));
}

}  // namespace
}  // namespace glyphane
