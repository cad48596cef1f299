#pragma once
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "lexicon/fichiers_recherche.h"

namespace glyphane::test {

// A small word list in the stream form the trie builder reads, so that start-up
// can be tested without the 1.6 MB built-in list.
class FluxDeTest {
public:
    explicit FluxDeTest(std::vector<std::string> mots) {
        std::sort(mots.begin(), mots.end());
        mots.erase(std::unique(mots.begin(), mots.end()), mots.end());
        std::string precedent;
        for (const std::string& mot : mots) {
            std::size_t commun = 0;
            while (commun < precedent.size() && commun < mot.size() && precedent[commun] == mot[commun]) ++commun;
            if (commun < precedent.size()) codes.push_back(static_cast<std::uint8_t>(28 + precedent.size() - commun));
            for (std::size_t i = commun; i < mot.size(); ++i) codes.push_back(static_cast<std::uint8_t>(mot[i] - 'a'));
            codes.push_back(26);
            precedent = mot;
        }
        for (char l = 'a'; l <= 'z'; ++l) lettres.push_back(static_cast<std::uint8_t>(l));
    }

    FluxMots flux() const { return {codes, lettres}; }

private:
    std::vector<std::uint8_t> codes;
    std::vector<std::uint8_t> lettres;
};

}  // namespace glyphane::test
