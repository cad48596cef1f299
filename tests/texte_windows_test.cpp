#include "lexicon/texte_windows.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "tests/dossier_temporaire.h"
#include "tests/lire_brut.h"

namespace glyphane::texte {
namespace {

void ecrireBrut(const std::filesystem::path& fichier, const std::string& octets) {
    std::ofstream(fichier, std::ios::binary) << octets;
}

using test::lireBrut;

TEST(TexteWindows, ReadsCrLfAndLfLinesAndCutsLongLines) {
    test::DossierTemporaire dossier;
    const auto fichier = dossier() / "f.txt";
    ecrireBrut(fichier, "un\r\ndeux\n\r\n" + std::string(300, 'x') + "\r\nfin");
    const auto lignes = lireLignes(fichier);
    ASSERT_TRUE(lignes);
    ASSERT_EQ(lignes->size(), 5u);
    EXPECT_EQ((*lignes)[0], "un");
    EXPECT_EQ((*lignes)[1], "deux");
    EXPECT_EQ((*lignes)[2], "");
    EXPECT_EQ((*lignes)[3], std::string(255, 'x'));
    EXPECT_EQ((*lignes)[4], "fin");
    EXPECT_FALSE(lireLignes(dossier() / "absent.txt"));
}

// A list turned into a folder, a FIFO or a link to a device must neither stop
// start-up, block it nor fill the memory: it is read as missing.
TEST(TexteWindows, ReadsOnlyRegularFilesOfASaneSize) {
    test::DossierTemporaire dossier;
    const auto fichier = dossier() / "f.txt";
    ecrireBrut(fichier, "mot\r\n");
    std::filesystem::create_symlink(fichier, dossier() / "lien.txt");
    EXPECT_EQ(lireLignes(dossier() / "lien.txt"), std::vector<std::string>{"mot"});

    std::filesystem::create_directory(dossier() / "dossier.txt");
    ASSERT_EQ(mkfifo((dossier() / "fifo.txt").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", dossier() / "zero.txt");
    for (const char* nom : {"dossier.txt", "fifo.txt", "zero.txt"}) EXPECT_FALSE(lireLignes(dossier() / nom)) << nom;

    // Sparse: the size is there without the data.
    std::filesystem::resize_file(fichier, tailleTexteMax + 1);
    EXPECT_FALSE(lireLignes(fichier));
}

TEST(TexteWindows, WritesAndAppendsWithCrLf) {
    test::DossierTemporaire dossier;
    const auto fichier = dossier() / "f.txt";
    ASSERT_TRUE(ecrireLignes(fichier, {"a", "b"}));
    ASSERT_TRUE(ajouterLigne(fichier, "c"));
    EXPECT_EQ(lireBrut(fichier), "a\r\nb\r\nc\r\n");
    ASSERT_TRUE(ecrireLignes(fichier, {"z"}));
    EXPECT_EQ(lireBrut(fichier), "z\r\n");
    EXPECT_FALSE(ecrireLignes(dossier() / "absent" / "f.txt", {"z"}));
}

TEST(TexteWindows, ConvertsBetweenUtf8AndCodePage) {
    EXPECT_EQ(versWindows1252("réaliser"), "r\xE9" "aliser");
    EXPECT_EQ(versWindows1252("cœur 5 €"), "c\x9C" "ur 5 \x80");
    EXPECT_EQ(versWindows1252("日"), "?");
    EXPECT_EQ(depuisWindows1252("\xC9t\xE9 \x9C"), "Été œ");
    const std::string tous = [] {
        std::string s;
        for (int b = 1; b < 256; ++b) s.push_back(static_cast<char>(b));
        return s;
    }();
    // Bytes the code page leaves unassigned come back as they were.
    EXPECT_EQ(versWindows1252(depuisWindows1252(tous)), tous);
    // Text that is not UTF-8 is taken byte for byte rather than lost.
    EXPECT_EQ(versWindows1252("caf\xE9"), "caf\xE9");
}

TEST(TexteWindows, LowercasesOnlyAsciiCapitals) {
    EXPECT_EQ(minusculesAscii("MaIsOn \xC9-1"), "maison \xC9-1");
}

}  // namespace
}  // namespace glyphane::texte
