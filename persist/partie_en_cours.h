#pragma once
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "engine/jeu.h"

// The game in progress, kept in the program folder after every turn and taken
// up at the next start: a closed window, a crash or a power cut loses at most
// the turn being played.
namespace glyphane {

inline constexpr std::string_view nomPartieEnCours = "partie en cours.Glb";
// Where a damaged one is moved, over an earlier one: it is never deleted, the
// player may still want to look into it.
inline constexpr std::string_view nomPartieEndommagee = "partie en cours.endommagee.Glb";

// Keeps the game after every turn as a save writes it, and removes it once the
// game is over. The disk's own time is not the turn's: the turn's thread only
// makes the file's content, a thread of its own writes it, the latest content
// first and the earlier ones it overtook never. A file that cannot be written is
// told once, as a failed save is, until one is written again; the game goes on
// either way. What the file held before this program first wrote it is set aside
// when it is no saved game: an auto-save never overwrites a damaged one.
class SauvegardeAutomatique final : public CrochetsPartieEnCours {
public:
    SauvegardeAutomatique(const std::filesystem::path& dossier, Vue& vue);
    // What was asked last is on the disk before the thread ends.
    ~SauvegardeAutomatique() override;
    SauvegardeAutomatique(const SauvegardeAutomatique&) = delete;
    SauvegardeAutomatique& operator=(const SauvegardeAutomatique&) = delete;

    // A failure of an earlier write is told from the calling thread.
    void tourTermine(const Partie& partie) override;
    void partieFinie() override;

    // Returns once the file is as the last turn left it, telling a failure from
    // the calling thread.
    void attendre();

private:
    struct Demande {
        bool effacer = false;
        std::string contenu;
    };

    void demander(Demande demande);
    void signalerEchec();
    // On the writing thread.
    void boucle();
    bool executer(const Demande& demande);
    bool fichierANous();

    const std::filesystem::path dossier;
    Vue& vue;
    std::mutex verrou;
    std::condition_variable signal;
    std::optional<Demande> enAttente;  // under the lock, as the four below
    bool occupe = false;
    bool arret = false;
    bool echec = false;         // the last request failed
    bool echecSignale = false;  // and it was told
    bool examine = false;       // the writing thread's own
    std::thread fil;
};

enum class EtatReprise { aucune, endommagee, aReprendre };

struct PartieInterrompue {
    EtatReprise etat = EtatReprise::aucune;
    std::string contenu;  // a game to take up, for ouvrirContenuSauvegarde
};

// What the program folder holds to take up: a game that is not over; nothing
// when there is no file or its game is over; or a damaged file, which the load
// then tells as it tells any damaged save (the game is reset) before it is set
// aside.
PartieInterrompue ChercherPartieInterrompue(Jeu& jeu);

}  // namespace glyphane
