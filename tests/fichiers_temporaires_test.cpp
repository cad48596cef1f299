#include "lexicon/fichiers_temporaires.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "tests/dossier_temporaire.h"

namespace glyphane {
namespace {

namespace fs = std::filesystem;

std::string lu(const FichiersTemporaires& fichiers, int numero) {
    std::string contenu;
    return fichiers.lire(numero, contenu) ? contenu : "(absent)";
}

// The private folders this process made in the system's temporary folder.
bool resteDansLeDossierDuSysteme() {
    const std::string prefixe = "glyphane-mots-" + std::to_string(getpid()) + "-";
    for (const auto& entree : fs::directory_iterator(fs::temp_directory_path())) {
        if (entree.path().filename().string().starts_with(prefixe)) return true;
    }
    return false;
}

TEST(FichiersTemporaires, TwoGamesOnOneFolderKeepTheirOwnFilesAndRemoveThem) {
    test::DossierTemporaire dossier;
    {
        FichiersTemporaires premier(dossier());
        FichiersTemporaires second(dossier());
        ASSERT_TRUE(premier.ecrire(8, "mot\r\n"));
        ASSERT_TRUE(second.ecrire(8, "sel\r\n"));
        EXPECT_EQ(lu(premier, 8), "mot\r\n");
        EXPECT_EQ(lu(second, 8), "sel\r\n");
        second.vider();
        EXPECT_EQ(lu(second, 8), "(absent)");
        EXPECT_EQ(lu(premier, 8), "mot\r\n");
    }
    EXPECT_TRUE(fs::is_empty(dossier() / "Recherches" / "temp"));
}

TEST(FichiersTemporaires, WhereTheProgramFolderCannotBeWrittenTheFilesGoElsewhere) {
    test::DossierTemporaire dossier;
    fs::create_directories(dossier() / "Recherches");
    const fs::path pasUnDossier = dossier() / "Recherches" / "temp";
    std::ofstream(pasUnDossier) << "pas un dossier";
    {
        FichiersTemporaires fichiers(dossier());
        ASSERT_TRUE(fichiers.ecrire(8, "mot\r\n"));
        ASSERT_TRUE(fichiers.ecrire(8, "mots\r\n"));
        EXPECT_EQ(lu(fichiers, 8), "mots\r\n");
        EXPECT_TRUE(resteDansLeDossierDuSysteme());
    }
    EXPECT_FALSE(resteDansLeDossierDuSysteme());

    // Nowhere on disk at all: memory keeps them.
    const char* avant = std::getenv("TMPDIR");
    const std::string tmpdir = avant != nullptr ? avant : "";
    setenv("TMPDIR", pasUnDossier.c_str(), 1);
    FichiersTemporaires fichiers(dossier());
    ASSERT_TRUE(fichiers.ecrire(9, "sel\r\n"));
    EXPECT_EQ(lu(fichiers, 9), "sel\r\n");
    fichiers.supprimer(9);
    EXPECT_EQ(lu(fichiers, 9), "(absent)");
    EXPECT_FALSE(fichiers.ecrire(8001, "sel\r\n"));
    if (avant != nullptr) {
        setenv("TMPDIR", tmpdir.c_str(), 1);
    } else {
        unsetenv("TMPDIR");
    }
}

TEST(FichiersTemporaires, WhatEndedProgramsLeftGoesAtTheFirstWrite) {
    test::DossierTemporaire dossier;
    const fs::path temp = dossier() / "Recherches" / "temp";
    const pid_t fini = fork();
    if (fini == 0) _exit(0);
    waitpid(fini, nullptr, 0);
    const fs::path abandonne = temp / (std::to_string(fini) + "-AbCd12");
    const fs::path enCours = temp / (std::to_string(getppid()) + "-AbCd12");
    fs::create_directories(abandonne);
    fs::create_directories(enCours);
    std::ofstream(abandonne / "8.gld") << "mot\r\n";
    // Earlier versions wrote the numbered files straight into the folder.
    for (const char* nom : {"8.gld", "8000.gld", "7.gld", "8001.gld", "0042.gld", "notes.gld"}) {
        std::ofstream(temp / nom) << "mot\r\n";
    }

    FichiersTemporaires fichiers(dossier());
    ASSERT_TRUE(fichiers.ecrire(8, "sel\r\n"));
    EXPECT_FALSE(fs::exists(abandonne));
    EXPECT_TRUE(fs::exists(enCours));
    for (const char* nom : {"8.gld", "8000.gld"}) EXPECT_FALSE(fs::exists(temp / nom)) << nom;
    for (const char* nom : {"7.gld", "8001.gld", "0042.gld", "notes.gld"}) EXPECT_TRUE(fs::exists(temp / nom)) << nom;
}

}  // namespace
}  // namespace glyphane
