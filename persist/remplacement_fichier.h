#pragma once
#include <filesystem>
#include <string_view>

namespace glyphane {

// Writes the content to a new file beside the target and renames it over the
// target only once the whole content is written and closed. True on success;
// on any failure the target is left as it was, byte for byte, and nothing is
// left behind.
bool RemplacerFichier(const std::filesystem::path& cible, std::string_view contenu);

}  // namespace glyphane
