#include "persist/remplacement_fichier.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <optional>
#include <string>
#include <system_error>
#include <utility>

namespace glyphane {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view prefixeTemporaire = ".sauvegarde-";
constexpr std::string_view suffixeTemporaire = ".tmp";

// Names carry the process number, so only another save of this process or a
// leftover that could not be cleaned can hold one; the bound keeps a folder that
// refuses every name from looping for ever.
constexpr int essaisMax = 100;

class Descripteur {
public:
    explicit Descripteur(int numero) : fd(numero) {}
    ~Descripteur() {
        if (fd >= 0) ::close(fd);
    }
    Descripteur(Descripteur&& autre) noexcept : fd(std::exchange(autre.fd, -1)) {}
    Descripteur(const Descripteur&) = delete;
    Descripteur& operator=(const Descripteur&) = delete;
    Descripteur& operator=(Descripteur&&) = delete;

    int numero() const { return fd; }
    bool valide() const { return fd >= 0; }

private:
    int fd;
};

struct Temporaire {
    fs::path chemin;
    Descripteur fichier;
};

bool estTemporaire(const fs::directory_entry& entree) {
    const std::string nom = entree.path().filename().string();
    std::error_code erreur;
    return nom.size() > prefixeTemporaire.size() + suffixeTemporaire.size() && nom.starts_with(prefixeTemporaire) &&
           nom.ends_with(suffixeTemporaire) && entree.symlink_status(erreur).type() == fs::file_type::regular;
}

// Whether the name still leads to the open file: someone may have removed or
// replaced it meanwhile.
bool memeFichier(const Descripteur& fichier, const fs::path& chemin) {
    struct stat ouvert {};
    struct stat nomme {};
    return ::fstat(fichier.numero(), &ouvert) == 0 && ::lstat(chemin.c_str(), &nomme) == 0 &&
           ouvert.st_dev == nomme.st_dev && ouvert.st_ino == nomme.st_ino;
}

bool verrouiller(const Descripteur& fichier) { return ::flock(fichier.numero(), LOCK_EX | LOCK_NB) == 0; }

// A save holds the lock of its temporary file from creation to rename, so one
// that nobody holds was left by a save cut short (a killed process, a power cut).
void nettoyerAbandonnes(const fs::path& dossier) {
    std::error_code erreur;
    for (fs::directory_iterator it(dossier, erreur), fin; !erreur && it != fin; it.increment(erreur)) {
        if (!estTemporaire(*it)) continue;
        const fs::path& chemin = it->path();
        const Descripteur fichier(::open(chemin.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (fichier.valide() && verrouiller(fichier) && memeFichier(fichier, chemin)) ::unlink(chemin.c_str());
    }
}

// A file of our own in the target's folder, so that the rename cannot cross
// file systems; O_EXCL refuses a name that exists.
std::optional<Temporaire> creerTemporaire(const fs::path& dossier) {
    const std::string processus = std::to_string(::getpid());
    for (int n = 0; n < essaisMax; ++n) {
        fs::path chemin = dossier / (std::string(prefixeTemporaire) + processus + "-" + std::to_string(n) +
                                     std::string(suffixeTemporaire));
        Descripteur fichier(::open(chemin.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (!fichier.valide()) {
            if (errno == EEXIST) continue;
            return std::nullopt;
        }
        // Another save's cleaning may take the new file before we lock it: it is
        // then theirs to remove. A file system without locks cleans nothing.
        const bool pris = verrouiller(fichier) || errno != EWOULDBLOCK;
        if (pris && memeFichier(fichier, chemin)) return Temporaire{std::move(chemin), std::move(fichier)};
    }
    return std::nullopt;
}

bool ecrireTout(const Descripteur& fichier, std::string_view contenu) {
    while (!contenu.empty()) {
        const ssize_t ecrits = ::write(fichier.numero(), contenu.data(), contenu.size());
        if (ecrits < 0 && errno == EINTR) continue;
        if (ecrits <= 0) return false;
        contenu.remove_prefix(static_cast<std::size_t>(ecrits));
    }
    return true;
}

// Without this a power cut after the rename can leave the new name on an empty file.
bool ecrireSurDisque(const Descripteur& fichier, std::string_view contenu) {
    return ecrireTout(fichier, contenu) && ::fsync(fichier.numero()) == 0;
}

// Makes the rename itself last. A folder that cannot be opened for reading or a
// file system that cannot sync folders leaves the rename as durable as it makes it.
bool synchroniserDossier(const fs::path& dossier) {
    const Descripteur d(::open(dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return !d.valide() || ::fsync(d.numero()) == 0 || errno == EINVAL;
}

}  // namespace

bool RemplacerFichier(const fs::path& cible, std::string_view contenu) {
    const fs::path dossier = cible.has_parent_path() ? cible.parent_path() : fs::path(".");
    nettoyerAbandonnes(dossier);
    std::optional<Temporaire> temporaire = creerTemporaire(dossier);
    if (!temporaire) return false;
    if (ecrireSurDisque(temporaire->fichier, contenu) && std::rename(temporaire->chemin.c_str(), cible.c_str()) == 0) {
        return synchroniserDossier(dossier);
    }
    ::unlink(temporaire->chemin.c_str());
    return false;
}

}  // namespace glyphane
