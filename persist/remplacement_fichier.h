#pragma once
#include <filesystem>
#include <string_view>

namespace glyphane {

// Writes the content to a new file beside the target and renames it over the
// target only once the whole content is on the disk, so that even a power cut
// leaves the old file or the new one, never a part. True once the rename is on
// the disk too; on a failure before the rename the target is left as it was,
// byte for byte, and nothing is left behind. Temporaries left by saves that were
// killed are removed on the way.
bool RemplacerFichier(const std::filesystem::path& cible, std::string_view contenu);

}  // namespace glyphane
