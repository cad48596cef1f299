#include "persist/remplacement_fichier.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>

#include "tests/dossier_temporaire.h"
#include "tests/lire_brut.h"

namespace glyphane {
namespace {

namespace fs = std::filesystem;

std::set<std::string> contenuDuDossier(const fs::path& dossier) {
    std::set<std::string> noms;
    for (const auto& entree : fs::directory_iterator(dossier)) noms.insert(entree.path().filename().string());
    return noms;
}

// Saves killed halfway leave their temporaries behind, under the names of
// earlier versions or of a process that had our number; one still being
// written holds its lock and must be left alone.
TEST(RemplacerFichier, StepsOverTheLeftoversOfSavesCutShortAndCleansThem) {
    test::DossierTemporaire dossier;
    const std::string processus = std::to_string(::getpid());
    for (int n = 0; n < 120; ++n) {
        std::ofstream(dossier() / (".sauvegarde-" + std::to_string(n) + ".tmp")) << "coupé";
        std::ofstream(dossier() / (".sauvegarde-" + processus + "-" + std::to_string(n) + ".tmp")) << "coupé";
    }
    const fs::path enCours = dossier() / ".sauvegarde-1-0.tmp";
    std::ofstream(enCours) << "en cours";
    const int verrou = ::open(enCours.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(verrou, LOCK_EX), 0);

    ASSERT_TRUE(RemplacerFichier(dossier() / "partie.Glb", "nouvelle\r\n"));
    EXPECT_EQ(test::lireBrut(dossier() / "partie.Glb"), "nouvelle\r\n");
    EXPECT_EQ(contenuDuDossier(dossier()), (std::set<std::string>{"partie.Glb", ".sauvegarde-1-0.tmp"}));
    ::close(verrou);
}

}  // namespace
}  // namespace glyphane
