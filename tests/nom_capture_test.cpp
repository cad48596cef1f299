#include "persist/nom_capture.h"

#include <gtest/gtest.h>

#include "engine/messages.h"

namespace glyphane {
namespace {

TEST(NomDeCapture, OnlyALowerCaseBmpEndingIsWritten) {
    EXPECT_TRUE(NomDeCaptureAccepte("/tmp/test.bmp"));
    EXPECT_TRUE(NomDeCaptureAccepte("testbmp"));
    EXPECT_FALSE(NomDeCaptureAccepte("/tmp/test.BMP"));
    EXPECT_FALSE(NomDeCaptureAccepte("/tmp/test.png"));
    EXPECT_FALSE(NomDeCaptureAccepte("mp"));
}

TEST(NomDeCapture, ThirtyCharactersAreShownAsTwentyTwoThenEight) {
    const std::string nom = "/home/joueur/captures/jeu1.bmp";
    ASSERT_EQ(nom.size(), 30u);
    const messages::Lignes lignes = messages::decouperMessage(QuestionRemplacerCapture(nom));
    EXPECT_EQ(lignes[0], "/home/joueur/captures/");
    EXPECT_EQ(lignes[1], "jeu1.bmp");
    EXPECT_EQ(lignes[2], "... existe déjà.");
    EXPECT_EQ(lignes[4], "Voulez-vous le remplacer ?");
}

TEST(NomDeCapture, AShortNameStaysOnOneLineAndAccentsAreNotCut) {
    EXPECT_EQ(QuestionRemplacerCapture("/tmp/test.bmp"), "/tmp/test.bmp" + std::string(messages::existeDeja));
    const std::string exact(22, 'a');
    EXPECT_EQ(QuestionRemplacerCapture(exact), exact + std::string(messages::existeDeja));
    // 21 letters and an "é" of two bytes make 22 characters.
    const std::string accent = std::string(21, 'a') + "é" + "x.bmp";
    EXPECT_EQ(messages::decouperMessage(QuestionRemplacerCapture(accent))[0], std::string(21, 'a') + "é");
}

}  // namespace
}  // namespace glyphane
