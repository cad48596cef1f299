#include "lexicon/trie.h"

#include <algorithm>
#include <new>
#include <string>

namespace glyphane {

namespace {

constexpr std::uint8_t codeFinDeMot = 26;
constexpr std::uint8_t codeRetourMin = 29;
constexpr std::uint8_t codeRetourMax = 43;
constexpr std::size_t nombreLettres = 26;
// Words inserted after the build (user list, accepted words) are few; small
// blocks keep that overhead low.
constexpr std::size_t tailleBlocInsertion = 1024;

std::string_view tronque(std::string_view mot) {
    return mot.substr(0, std::min(mot.size(), LexiconTrie::longueurMax));
}

}  // namespace

TrieNode* LexiconTrie::nouveauNoeud(std::uint8_t lettre) {
    if (blocs.empty() || utilisesDansBloc == blocs.back().capacite) {
        reserverBloc(tailleBlocInsertion);
    }
    TrieNode* noeud = &blocs.back().noeuds[utilisesDansBloc++];
    *noeud = TrieNode{lettre, 0, nullptr, nullptr};
    ++noeudsCrees;
    return noeud;
}

void LexiconTrie::reserverBloc(std::size_t capacite) {
    // Left uninitialised on purpose: each node is written once when it is handed
    // out, so the pages are touched only once.
    blocs.push_back(Bloc{std::unique_ptr<TrieNode[]>(new TrieNode[capacite]), capacite});
    utilisesDansBloc = 0;
}

std::size_t LexiconTrie::octetsReserves() const noexcept {
    std::size_t total = 0;
    for (const Bloc& bloc : blocs) total += bloc.capacite * sizeof(TrieNode);
    return total;
}

const TrieNode* LexiconTrie::noeudDuMot(std::string_view word) const noexcept {
    const std::string_view mot = tronque(word);
    if (mot.size() < 2) return nullptr;
    const TrieNode* noeud = root;
    for (std::size_t i = 0; noeud != nullptr; ++i) {
        const auto lettre = static_cast<std::uint8_t>(mot[i]);
        while (noeud->letter < lettre) {
            noeud = noeud->sibling;
            if (noeud == nullptr) return nullptr;
        }
        if (noeud->letter != lettre) return nullptr;
        if (i + 1 == mot.size()) return noeud;
        noeud = noeud->child;
    }
    return nullptr;
}

bool LexiconTrie::contains(std::string_view word) const noexcept {
    const TrieNode* noeud = noeudDuMot(word);
    return noeud != nullptr && noeud->isWord == 1;
}

void LexiconTrie::remove(std::string_view word) noexcept {
    // Only the end-of-word mark goes: longer words through this prefix stay valid.
    if (auto* noeud = const_cast<TrieNode*>(noeudDuMot(word))) noeud->isWord = 0;
}

void LexiconTrie::insert(std::string_view word) noexcept {
    const std::string_view mot = tronque(word);
    TrieNode** emplacement = &root;
    try {
        for (std::size_t d = 0; d < mot.size(); ++d) {
            const auto lettre = static_cast<std::uint8_t>(mot[d]);
            TrieNode** lien = emplacement;
            while (*lien != nullptr && (*lien)->letter < lettre) lien = &(*lien)->sibling;
            if (*lien == nullptr || (*lien)->letter != lettre) {
                TrieNode* noeud = nouveauNoeud(lettre);
                noeud->sibling = *lien;
                *lien = noeud;
            }
            if (d + 1 == mot.size()) (*lien)->isWord = 1;
            emplacement = &(*lien)->child;
        }
    } catch (const std::bad_alloc&) {
        // The word is simply not added; the prefix nodes already made stay unmarked.
    }
}

bool LexiconTrie::buildFromStream(std::span<const std::uint8_t> codes,
                                  std::span<const std::uint8_t> letterTable,
                                  const CrochetMot& wordHook) {
    if (letterTable.size() < nombreLettres) return false;
    try {
        const auto lettres = static_cast<std::size_t>(
            std::count_if(codes.begin(), codes.end(), [](std::uint8_t c) { return c < nombreLettres; }));
        if (lettres > 0) reserverBloc(lettres);

        std::string motCourant;
        motCourant.reserve(longueurMax);
        TrieNode* last = nullptr;
        bool nextIsSibling = false;
        for (const std::uint8_t code : codes) {
            if (code < nombreLettres) {
                if (motCourant.size() == longueurMax) return false;
                TrieNode* noeud = nouveauNoeud(letterTable[code]);
                if (root == nullptr) {
                    root = noeud;
                } else if (nextIsSibling) {
                    // Appending out of order would break every later lookup.
                    if (last->letter >= noeud->letter) return false;
                    last->sibling = noeud;
                    nextIsSibling = false;
                } else if (last != nullptr) {
                    last->child = noeud;
                }
                motCourant.push_back(static_cast<char>(noeud->letter));
                last = noeud;
                stack[motCourant.size() - 1] = noeud;
            } else if (code == codeFinDeMot) {
                if (last == nullptr) return false;
                last->isWord = 1;
                if (wordHook && !wordHook(motCourant)) return false;
            } else if (code >= codeRetourMin && code <= codeRetourMax) {
                const std::size_t k = code - 28u;
                if (k > motCourant.size()) return false;
                motCourant.resize(motCourant.size() - k);
                last = stack[motCourant.size()];
                nextIsSibling = true;
            }
        }
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

}  // namespace glyphane
