#pragma once
#include <cstdint>
#include <span>

namespace glyphane {

// The built-in French word list, as the byte-code stream of a depth-first walk of
// its trie, and the table that turns codes 0..25 into letters.
std::span<const std::uint8_t> fluxMotsIntegre();
std::span<const std::uint8_t> tableLettresIntegree();

}  // namespace glyphane
