#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reading what a script types: the words of a line, a number, a letter.
namespace glyphane::console {

std::vector<std::string> motsDeLaLigne(const std::string& ligne);

// The whole text as a decimal integer, else nothing.
std::optional<int> lireEntier(std::string_view texte);

// One letter a..z (capitals count as lowercase), else nothing.
std::optional<char> lireLettre(std::string_view texte);

}  // namespace glyphane::console
