#pragma once
#include <array>
#include <optional>
#include <string>

#include "engine/jetons.h"

// The seam between the game and whatever shows it. The game never touches a
// widget: what needs an answer or a dialog goes through here, and "the model
// changed" is announced so the window can repaint from it. The desktop window, the
// console and the tests each implement it.
//
// Calls may come from worker threads (the computer's turn, the possibility
// update). An implementation that paints on another thread must copy what it shows
// inside Rafraichir, which runs on the caller's thread while the model is steady.
namespace glyphane {

enum class Reponse { oui = 1, non = 2 };

// Words listed in the refused-word report, slots 1..8 (0 unused); an empty text
// is a hidden slot.
using MotsRefuses = std::array<std::string, 9>;
using CasesCochees = std::array<bool, 9>;

struct ChoixNoms {
    bool ok = false;  // false: "&retour"
    std::array<std::string, nbSiegesMax + 1> noms{};
    std::array<bool, nbSiegesMax + 1> ordinateur{};
    // The style box as the dialog closed: it acts as soon as it is clicked, so
    // it counts whichever button closes the dialog.
    bool styleOuvert = true;
};

class Vue {
public:
    virtual ~Vue() = default;

    // Message boxes: a comma starts a line, a semicolon ends the text.
    virtual void AfficherMessage(const std::string& texte, const std::string& titre) = 0;
    virtual Reponse PoserQuestion(const std::string& texte, const std::string& titre) = 0;

    // The letter dialog of a blank; returns a letter 'a'..'z'.
    virtual char ChoisirLettre(int jeton) = 0;

    // The refused-word report; returns which boxes were ticked.
    virtual CasesCochees RapportMotsRefuses(const MotsRefuses& mots) = 0;

    // Setting up a game: the number of players, 1..4 (any other answer is asked
    // again), then the names dialog.
    virtual int DemanderNombreJoueurs() = 0;
    virtual ChoixNoms DemanderNoms(int nbJoueurs, bool styleOuvert) = 0;
    // The draw for the playing order: whether to draw at all; then each seat's
    // turn to press its button (a computer seat presses its own); each letter
    // shown while a seat draws; and the result, until "&commencer".
    virtual bool TirageOrdreDemande() = 0;
    virtual void TirageSiegeAttendre(int siege, const std::string& nom, bool ordinateur) = 0;
    virtual void TirageLettreMontree(int siege, int lettre) = 0;
    virtual void TirageTermine(const std::array<int, nbSiegesMax + 1>& lettreDuSiege,
                               const std::array<int, nbSiegesMax + 1>& rang, bool tousOrdinateurs) = 0;

    // Save and open dialogs; nothing when cancelled.
    virtual std::optional<std::string> DemanderFichierSauvegarde() = 0;
    virtual std::optional<std::string> DemanderFichierACharger() = 0;

    // The model changed: repaint from it. Only the thread that owns the turn calls
    // it (the window thread for a human, the computer's thread for its move).
    virtual void Rafraichir() = 0;
    // Only the controls' state (partie.fenetre, which has its own lock) changed.
    // The possibility update calls this one from its threads while a human may
    // be moving tiles, so it must not read the rest of the model.
    virtual void ActualiserControles() {}
    // Let the window handle its pending events (a no-op off the window thread).
    virtual void TraiterEvenements() = 0;

    // A failure caught where it could only be survived (see engine/pannes.h),
    // for whoever reads the program's log, not for the player. Called from any
    // thread, so it must not wait for the window. By default, one line on the
    // standard error.
    virtual void SignalerPanne(const std::string& texte);
};

}  // namespace glyphane
