#include "lexicon/trie.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace glyphane {
namespace {

constexpr std::uint8_t a = 0, c = 2, o = 14, r = 17, t = 19, fin = 26;

std::vector<std::uint8_t> tableAlphabet() {
    std::vector<std::uint8_t> table;
    for (char l = 'a'; l <= 'z'; ++l) table.push_back(static_cast<std::uint8_t>(l));
    return table;
}

bool construire(LexiconTrie& trie, const std::vector<std::uint8_t>& codes, std::vector<std::string>* mots = nullptr) {
    const auto table = tableAlphabet();
    return trie.buildFromStream(codes, table, [mots](std::string_view mot) {
        if (mots != nullptr) mots->emplace_back(mot);
        return true;
    });
}

TEST(Trie, ContainsRefusesEmptyShortPrefixesCaseAndAccents) {
    LexiconTrie trie;
    EXPECT_FALSE(trie.contains("le"));  // an empty trie knows nothing
    trie.insert("maison");
    trie.insert("a");
    EXPECT_TRUE(trie.contains("maison"));
    EXPECT_FALSE(trie.contains(""));
    EXPECT_FALSE(trie.contains("a"));  // stored, but one letter is never a word
    EXPECT_FALSE(trie.contains("mais"));
    EXPECT_FALSE(trie.contains("maisons"));
    EXPECT_FALSE(trie.contains("MAISON"));
    EXPECT_FALSE(trie.contains("ma\xE9son"));
}

TEST(Trie, WordsAreCutToFifteenLetters) {
    LexiconTrie trie;
    trie.insert("anticonstitutionnellement");  // stored as its first 15 letters
    EXPECT_TRUE(trie.contains("anticonstitutio"));
    EXPECT_TRUE(trie.contains("anticonstitutioXYZ"));
    EXPECT_FALSE(trie.contains("anticonstituti"));
    trie.remove("anticonstitutioQQ");
    EXPECT_FALSE(trie.contains("anticonstitutio"));
}

TEST(Trie, RemoveKeepsLongerWordsAndIgnoresUnknownWords) {
    LexiconTrie trie;
    trie.insert("chat");
    trie.insert("chaton");
    const std::size_t noeuds = trie.nombreNoeuds();
    trie.remove("chat");
    EXPECT_FALSE(trie.contains("chat"));
    EXPECT_TRUE(trie.contains("chaton"));
    trie.remove("chien");
    trie.remove("cha");
    EXPECT_TRUE(trie.contains("chaton"));
    EXPECT_EQ(trie.nombreNoeuds(), noeuds);
}

TEST(Trie, InsertKeepsSiblingsInOrderAndNeverDuplicates) {
    LexiconTrie trie;
    for (const char* mot : {"mer", "mot", "mur", "ma"}) trie.insert(mot);
    trie.insert("mai");  // 'a' sorts before every letter under "m"
    for (const char* mot : {"mer", "mot", "mur", "ma", "mai"}) EXPECT_TRUE(trie.contains(mot)) << mot;
    const TrieNode* sousM = trie.racine()->child;
    std::string ordre;
    for (const TrieNode* n = sousM; n != nullptr; n = n->sibling) ordre.push_back(static_cast<char>(n->letter));
    EXPECT_EQ(ordre, "aeou");

    const std::size_t avant = trie.nombreNoeuds();
    trie.insert("mot");
    trie.remove("mot");
    trie.insert("mot");
    EXPECT_TRUE(trie.contains("mot"));
    EXPECT_EQ(trie.nombreNoeuds(), avant);
}

TEST(Trie, StreamBuildsSiblingsAndFeedsTheHook) {
    LexiconTrie trie;
    std::vector<std::string> mots;
    // car, cat, then two letters back to the list under c: co
    ASSERT_TRUE(construire(trie, {c, a, r, fin, 29, t, fin, 30, o, fin}, &mots));
    EXPECT_EQ(mots, (std::vector<std::string>{"car", "cat", "co"}));
    EXPECT_TRUE(trie.contains("car"));
    EXPECT_TRUE(trie.contains("cat"));
    EXPECT_TRUE(trie.contains("co"));
    EXPECT_FALSE(trie.contains("ca"));
    const TrieNode* noeudR = trie.racine()->child->child;
    EXPECT_EQ(noeudR->letter, 'r');
    EXPECT_EQ(noeudR->sibling->letter, 't');
    EXPECT_EQ(trie.racine()->child->sibling->letter, 'o');
}

TEST(Trie, StreamIgnoresUnusedCodes) {
    LexiconTrie trie;
    std::vector<std::string> mots;
    ASSERT_TRUE(construire(trie, {27, c, 28, a, 44, r, 255, fin, 29, 200, t, fin}, &mots));
    EXPECT_EQ(mots, (std::vector<std::string>{"car", "cat"}));
    EXPECT_TRUE(trie.contains("cat"));
}

TEST(Trie, MalformedStreamsFailWithoutCrashing) {
    const std::vector<std::vector<std::uint8_t>> casses = {
        {fin, c, a, fin},             // end of word before any letter
        {c, a, fin, 31},              // going back further than the word
        {29, c, a, fin},              // going back from nothing
        {c, t, fin, 29, a, fin},      // a sibling out of order
        std::vector<std::uint8_t>(16, a),  // a sixteenth letter
    };
    for (const auto& flux : casses) {
        LexiconTrie trie;
        EXPECT_FALSE(construire(trie, flux));
    }
    LexiconTrie trie;
    const auto table = tableAlphabet();
    EXPECT_FALSE(trie.buildFromStream(std::vector<std::uint8_t>{c, a, fin}, table,
                                      [](std::string_view) { return false; }));
    EXPECT_FALSE(trie.buildFromStream(std::vector<std::uint8_t>{c, a, fin},
                                      std::vector<std::uint8_t>(10, 'a')));
}

}  // namespace
}  // namespace glyphane
