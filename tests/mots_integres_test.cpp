#include <gtest/gtest.h>

#include <array>
#include <string>

#include "lexicon/flux_integre.h"
#include "lexicon/trie.h"

namespace glyphane {
namespace {

TEST(MotsIntegres, TheBuiltInListDecodesCompletely) {
    const FluxMots flux = fluxIntegre();
    ASSERT_EQ(flux.lettres.size(), 26u);
    for (std::size_t i = 0; i < 26; ++i) EXPECT_EQ(flux.lettres[i], 'a' + i);

    LexiconTrie trie;
    std::size_t total = 0;
    std::array<std::size_t, 16> parLongueur{};
    std::string precedent;
    bool ordonne = true;
    ASSERT_TRUE(trie.buildFromStream(flux.codes, flux.lettres, [&](std::string_view mot) {
        ++total;
        ++parLongueur[mot.size()];
        ordonne = ordonne && precedent < mot;
        precedent = mot;
        return true;
    }));
    EXPECT_TRUE(ordonne);
    EXPECT_EQ(parLongueur[0] + parLongueur[1], 0u);
    EXPECT_EQ(total, 405695u);
}

TEST(MotsIntegres, HoldsTheFoldedFrenchWordsAndNoAbbreviations) {
    LexiconTrie trie;
    const FluxMots flux = fluxIntegre();
    ASSERT_TRUE(trie.buildFromStream(flux.codes, flux.lettres));
    for (const char* mot : {"maison", "etre", "ete", "cafe", "naive", "oeuvre", "coeur", "aieux", "garcon",
                            "francais", "chantions", "fussiez", "zythums", "kiwis", "wok", "qat", "zen", "paris",
                            "jean", "le", "de", "constitutionnel", "grammes", "kilojoules", "resolu", "ud", "ok",
                            "antan", "emblee", "rad", "ska"}) {
        EXPECT_TRUE(trie.contains(mot)) << mot;
    }
    for (const char* mot : {"cm", "kg", "km", "mg", "qu", "st", "maisonette", "xyz", "di", "od", "big", "french",
                            "populi"}) {
        EXPECT_FALSE(trie.contains(mot)) << mot;
    }
}

}  // namespace
}  // namespace glyphane
