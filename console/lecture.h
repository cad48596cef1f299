#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reading what a script types: the words of a line, a number, a letter.
namespace glyphane::console {

std::vector<std::string> motsDeLaLigne(const std::string& ligne);

// The whole text as a decimal integer, else nothing.
std::optional<int> lireEntier(std::string_view texte);

// The whole text as a seed of the draws (a decimal integer, 0 or more), else
// nothing.
std::optional<std::uint64_t> lireGraine(std::string_view texte);

// One letter a..z (capitals count as lowercase), else nothing.
std::optional<char> lireLettre(std::string_view texte);

}  // namespace glyphane::console
