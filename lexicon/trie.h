#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace glyphane {

// One letter position of a stored prefix. Siblings are kept in strictly
// ascending letter order: lookups stop early on it.
struct TrieNode {
    std::uint8_t letter;
    std::uint8_t isWord;
    TrieNode* child;
    TrieNode* sibling;
};

// Called with each word as the stream builder completes it; returning false is a
// fault that ends the build.
using CrochetMot = std::function<bool(std::string_view mot)>;

// The program's one dictionary: lowercase words of 2 to 15 letters. Nodes are
// carved from large blocks and live as long as the trie; nothing ever unlinks one.
class LexiconTrie {
public:
    static constexpr std::size_t longueurMax = 15;

    LexiconTrie() = default;
    LexiconTrie(const LexiconTrie&) = delete;
    LexiconTrie& operator=(const LexiconTrie&) = delete;

    bool contains(std::string_view word) const noexcept;
    void insert(std::string_view word) noexcept;
    void remove(std::string_view word) noexcept;

    // Builds the nodes straight from the depth-first byte-code stream; true when
    // every code was read. A malformed stream or a failing hook gives false.
    bool buildFromStream(std::span<const std::uint8_t> codes,
                         std::span<const std::uint8_t> letterTable,
                         const CrochetMot& wordHook = {});

    const TrieNode* racine() const noexcept { return root; }
    std::size_t nombreNoeuds() const noexcept { return noeudsCrees; }
    std::size_t octetsReserves() const noexcept;
    // Forgets the builder's stack; the nodes stay.
    void effacerPile() noexcept { stack.fill(nullptr); }

private:
    TrieNode* nouveauNoeud(std::uint8_t lettre);
    void reserverBloc(std::size_t capacite);
    const TrieNode* noeudDuMot(std::string_view word) const noexcept;

    TrieNode* root = nullptr;
    std::array<TrieNode*, longueurMax> stack{};

    struct Bloc {
        std::unique_ptr<TrieNode[]> noeuds;
        std::size_t capacite = 0;
    };
    std::vector<Bloc> blocs;
    std::size_t utilisesDansBloc = 0;
    std::size_t noeudsCrees = 0;
};

}  // namespace glyphane
