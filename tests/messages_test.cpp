#include "engine/messages.h"

#include <gtest/gtest.h>

namespace glyphane::messages {
namespace {

Lignes lignes(std::initializer_list<const char*> l) {
    Lignes resultat;
    std::size_t i = 0;
    for (const char* s : l) resultat[i++] = s;
    return resultat;
}

TEST(Messages, SplitKeepsEmptyLinesAndStopsAtTheSemicolon) {
    EXPECT_EQ(decouperMessage(caseCentrale), lignes({"", "", "Vous devez former un", "mot en utilisant", "la case centrale !"}));
    EXPECT_EQ(decouperMessage(auMoinsUneLettre),
              lignes({"Vous devez soit :", "", "Placer au moins 1 lettre pour former un",
                      "nouveau mot en utilisant les lettres", "déjà sur le tableau .", "", "Faire un échange."}));
}

TEST(Messages, SplitShowsSevenLinesAtMostAndNeedsNoSemicolon) {
    EXPECT_EQ(decouperMessage("1,2,3,4,5,6,7,8,9,;"), lignes({"1", "2", "3", "4", "5", "6", "7"}));
    EXPECT_EQ(decouperMessage("un,deux"), lignes({"un", "deux"}));
    EXPECT_EQ(decouperMessage("un,"), lignes({"un"}));
    EXPECT_EQ(decouperMessage(";"), lignes({}));
    EXPECT_EQ(decouperMessage(""), lignes({""}));
}

}  // namespace
}  // namespace glyphane::messages
