#pragma once
#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

// Where one game keeps the word files of its possibilities, numbered 8..8000.
namespace glyphane {

// Each game writes into a folder of its own under the temporary search folder,
// named after its process, so that two programs started on one folder never
// read each other's files. When that folder cannot be written (a read-only
// program folder, a full disk, the folder deleted under the running program),
// the files go to a private folder under the system's temporary folder, and
// past that to memory: the computer's play never depends on the program folder
// staying writable. The folders are made at the first write and removed with
// the files.
class FichiersTemporaires {
public:
    explicit FichiersTemporaires(std::filesystem::path dossierProgramme);
    ~FichiersTemporaires();
    FichiersTemporaires(const FichiersTemporaires&) = delete;
    FichiersTemporaires& operator=(const FichiersTemporaires&) = delete;

    // Replaces the content of file n; false only for a number outside 8..8000.
    bool ecrire(std::int32_t numero, std::string_view contenu);
    // False when file n was not written or is gone.
    bool lire(std::int32_t numero, std::string& contenu) const;
    void supprimer(std::int32_t numero);
    // Every file and folder goes; the next write tries the program folder again.
    void vider();

private:
    enum class Lieu { programme, systeme, memoire };

    bool ecrireSurDisque(std::int32_t numero, std::string_view contenu);
    bool creerDossier();
    void toutSupprimer();

    const std::filesystem::path dossierProgramme;
    mutable std::mutex verrou;
    Lieu lieu = Lieu::programme;
    bool dossierCree = false;
    // Every folder written to, the current one last: a file written before a
    // move to the next place stays where it was.
    std::vector<std::filesystem::path> dossiers;
    std::map<std::int32_t, std::string> enMemoire;
};

// Reads the whole file into `contenu`, in large blocks; false when it cannot be
// opened after a second attempt.
bool lireFichierEntier(const std::filesystem::path& fichier, std::string& contenu);
// False, and no file left, when the content could not all be written.
bool ecrireFichierEntier(const std::filesystem::path& fichier, std::string_view contenu);

// Whether process `pid` still runs (one that belongs to another user counts).
bool processusVivant(pid_t pid);

// Removes the folders that programs which ended without cleaning up left in
// `parent`: those whose name is `prefixe`, a process number, "-" and more, for a
// process that no longer runs.
void nettoyerDossiersAbandonnes(const std::filesystem::path& parent, std::string_view prefixe);

}  // namespace glyphane
