#include "lexicon/fichiers_temporaires.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <system_error>
#include <utility>

#include "lexicon/fichiers_recherche.h"
#include "lexicon/texte_windows.h"

namespace glyphane {

namespace fs = std::filesystem;

namespace {

// In the system's temporary folder, which every program shares, the name says
// whose folder it is.
constexpr std::string_view prefixeSysteme = "glyphane-mots-";

struct FermerFichier {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using Fichier = std::unique_ptr<std::FILE, FermerFichier>;

Fichier ouvrir(const fs::path& nom, const char* mode) { return Fichier(std::fopen(nom.c_str(), mode)); }

bool numeroValide(std::int32_t numero) {
    return numero >= premierFichierTemporaire && numero <= dernierFichierTemporaire;
}

fs::path nomDansDossier(const fs::path& dossier, std::int32_t numero) {
    return dossier / (std::to_string(numero) + ".gld");
}

// A folder only this process writes to, under `parent`; empty when it cannot be made.
fs::path dossierPrive(const fs::path& parent, std::string_view prefixe) {
    std::string modele = (parent / (std::string(prefixe) + std::to_string(getpid()) + "-XXXXXX")).string();
    if (mkdtemp(modele.data()) == nullptr) return {};
    return modele;
}

// The process number in a name `prefixe` + digits + "-" + anything.
std::optional<pid_t> processusDuNom(std::string_view nom, std::string_view prefixe) {
    if (!nom.starts_with(prefixe)) return std::nullopt;
    nom.remove_prefix(prefixe.size());
    pid_t pid = 0;
    const auto [fin, erreur] = std::from_chars(nom.data(), nom.data() + nom.size(), pid);
    if (erreur != std::errc{} || fin == nom.data() || fin == nom.data() + nom.size() || *fin != '-' || pid <= 0) {
        return std::nullopt;
    }
    return pid;
}

// "8.gld" .. "8000.gld", as earlier versions wrote them straight into the
// temporary search folder; nothing writes them there any more.
bool estFichierIsole(const fs::path& fichier) {
    const std::string nom = fichier.filename().string();
    std::int32_t numero = 0;
    std::from_chars(nom.data(), nom.data() + nom.size(), numero);
    return numeroValide(numero) && nom == std::to_string(numero) + ".gld";
}

void supprimerFichiersIsoles(const fs::path& dossier) {
    std::error_code erreur;
    std::vector<fs::path> aSupprimer;
    for (fs::directory_iterator it(dossier, erreur), fin; !erreur && it != fin; it.increment(erreur)) {
        if (estFichierIsole(it->path())) aSupprimer.push_back(it->path());
    }
    for (const fs::path& fichier : aSupprimer) fs::remove(fichier, erreur);
}

}  // namespace

bool lireFichierEntier(const fs::path& fichier, std::string& contenu) {
    std::optional<std::string> lu = texte::lireOctets(fichier, texte::tailleTexteMax);
    if (!lu) lu = texte::lireOctets(fichier, texte::tailleTexteMax);
    if (!lu) return false;
    contenu = std::move(*lu);
    return true;
}

bool ecrireFichierEntier(const fs::path& nom, std::string_view contenu) {
    Fichier fichier = ouvrir(nom, "wb");
    if (!fichier) return false;
    bool ecrit = std::fwrite(contenu.data(), 1, contenu.size(), fichier.get()) == contenu.size();
    ecrit = std::fclose(fichier.release()) == 0 && ecrit;
    if (!ecrit) {
        // A file cut short by a full disk would silently miss words.
        std::error_code ignoree;
        fs::remove(nom, ignoree);
    }
    return ecrit;
}

bool processusVivant(pid_t pid) { return kill(pid, 0) == 0 || errno == EPERM; }

void nettoyerDossiersAbandonnes(const fs::path& parent, std::string_view prefixe) {
    std::error_code erreur;
    std::vector<fs::path> abandonnes;
    for (fs::directory_iterator it(parent, erreur), fin; !erreur && it != fin; it.increment(erreur)) {
        const auto pid = processusDuNom(it->path().filename().string(), prefixe);
        std::error_code ignoree;
        if (pid && !processusVivant(*pid) && it->is_directory(ignoree)) abandonnes.push_back(it->path());
    }
    for (const fs::path& dossier : abandonnes) fs::remove_all(dossier, erreur);
}

FichiersTemporaires::FichiersTemporaires(fs::path dossierDuProgramme)
    : dossierProgramme(std::move(dossierDuProgramme)) {}

FichiersTemporaires::~FichiersTemporaires() { toutSupprimer(); }

bool FichiersTemporaires::ecrire(std::int32_t numero, std::string_view contenu) {
    if (!numeroValide(numero)) return false;
    const std::lock_guard garde(verrou);
    // A write that fails here is made again in the next place, so that the
    // search finds every word whatever happened to the folder.
    while (lieu != Lieu::memoire) {
        if (ecrireSurDisque(numero, contenu)) return true;
        lieu = lieu == Lieu::programme ? Lieu::systeme : Lieu::memoire;
        dossierCree = false;
    }
    enMemoire[numero] = std::string(contenu);
    return true;
}

bool FichiersTemporaires::ecrireSurDisque(std::int32_t numero, std::string_view contenu) {
    return (dossierCree || creerDossier()) && ecrireFichierEntier(nomDansDossier(dossiers.back(), numero), contenu);
}

bool FichiersTemporaires::creerDossier() {
    std::error_code erreur;
    fs::path parent;
    std::string_view prefixe;
    if (lieu == Lieu::programme) {
        parent = *searchFileName(dossierProgramme, 0);
        fs::create_directories(parent, erreur);
        supprimerFichiersIsoles(parent);
    } else {
        parent = fs::temp_directory_path(erreur);
        prefixe = prefixeSysteme;
        if (erreur) return false;
    }
    nettoyerDossiersAbandonnes(parent, prefixe);
    fs::path dossier = dossierPrive(parent, prefixe);
    if (dossier.empty()) return false;
    dossiers.push_back(std::move(dossier));
    dossierCree = true;
    return true;
}

bool FichiersTemporaires::lire(std::int32_t numero, std::string& contenu) const {
    const std::lock_guard garde(verrou);
    if (const auto trouve = enMemoire.find(numero); trouve != enMemoire.end()) {
        contenu = trouve->second;
        return true;
    }
    for (auto dossier = dossiers.rbegin(); dossier != dossiers.rend(); ++dossier) {
        if (numeroValide(numero) && lireFichierEntier(nomDansDossier(*dossier, numero), contenu)) return true;
    }
    return false;
}

void FichiersTemporaires::supprimer(std::int32_t numero) {
    const std::lock_guard garde(verrou);
    enMemoire.erase(numero);
    std::error_code ignoree;
    for (const fs::path& dossier : dossiers) fs::remove(nomDansDossier(dossier, numero), ignoree);
}

void FichiersTemporaires::vider() {
    const std::lock_guard garde(verrou);
    toutSupprimer();
    lieu = Lieu::programme;
}

void FichiersTemporaires::toutSupprimer() {
    std::error_code ignoree;
    for (const fs::path& dossier : dossiers) fs::remove_all(dossier, ignoree);
    dossiers.clear();
    dossierCree = false;
    enMemoire.clear();
}

}  // namespace glyphane
