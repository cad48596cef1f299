#pragma once
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace glyphane::test {

// A fresh folder under the system's temporary folder, removed with its contents
// when the test ends.
class DossierTemporaire {
public:
    DossierTemporaire() {
        std::string modele = (std::filesystem::temp_directory_path() / "glyphane-XXXXXX").string();
        if (mkdtemp(modele.data()) != nullptr) chemin = modele;
    }
    ~DossierTemporaire() {
        std::error_code erreur;
        // A test may have taken the write permission away; give it back first.
        std::filesystem::permissions(chemin, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, erreur);
        std::filesystem::remove_all(chemin, erreur);
    }
    DossierTemporaire(const DossierTemporaire&) = delete;
    DossierTemporaire& operator=(const DossierTemporaire&) = delete;

    const std::filesystem::path& operator()() const { return chemin; }

private:
    std::filesystem::path chemin;
};

}  // namespace glyphane::test
