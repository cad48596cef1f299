#pragma once
#include <filesystem>
#include <string>
#include <string_view>

#include "engine/jeu.h"

// The game in progress, kept in the program folder after every turn and taken
// up at the next start: a closed window, a crash or a power cut loses at most
// the turn being played.
namespace glyphane {

inline constexpr std::string_view nomPartieEnCours = "partie en cours.Glb";
// Where a damaged one is moved, over an earlier one: it is never deleted, the
// player may still want to look into it.
inline constexpr std::string_view nomPartieEndommagee = "partie en cours.endommagee.Glb";

// Writes the game after every turn as a save writes it, and removes it once the
// game is over. A file that cannot be written is told once, as a failed save
// is, until one is written again; the game goes on either way. What the file
// held before this program first wrote it is set aside when it is no saved
// game: an auto-save never overwrites a damaged one.
class SauvegardeAutomatique final : public CrochetsPartieEnCours {
public:
    SauvegardeAutomatique(const std::filesystem::path& dossier, Vue& vue);

    void tourTermine(const Partie& partie) override;
    void partieFinie() override;

private:
    bool fichierANous();

    std::filesystem::path dossier;
    Vue& vue;
    bool examine = false;
    bool echecSignale = false;
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
