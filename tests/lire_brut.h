#pragma once
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace glyphane::test {

// A file's bytes as they are on disk, line ends and encoding untouched; empty
// when it cannot be read.
inline std::string lireBrut(const std::filesystem::path& fichier) {
    std::ifstream entree(fichier, std::ios::binary);
    return {std::istreambuf_iterator<char>(entree), std::istreambuf_iterator<char>()};
}

}  // namespace glyphane::test
