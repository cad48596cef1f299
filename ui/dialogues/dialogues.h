#pragma once
#include <QColor>
#include <QString>
#include <memory>

#include "engine/chrono.h"
#include "engine/vue.h"
#include "ui/mode_ecran.h"

class QWidget;

// The program's own dialogs. Each one disables the main window, shows itself
// without being modal and keeps the window's events flowing until one of its
// buttons answers (a local event loop); then it enables the main window again.
// Every button plays the click first. Panels take the main window's colour.
namespace glyphane::ui {

class Sons;

// What every dialog needs from the main window.
struct ContexteDialogue {
    QWidget* principale = nullptr;
    ModeEcran mode = ModeEcran::m800;
    QColor fond;
    Sons* sons = nullptr;
};

// The information box (one button) and the question box (two), seven centred
// lines from a stored text where a comma starts a line.
void AfficherMessageBoite(const ContexteDialogue& contexte, const QString& texte, const QString& titre);
Reponse PoserQuestionBoite(const ContexteDialogue& contexte, const QString& texte, const QString& titre);

// "Combien de joueurs ?": 1..4.
int DemanderNombreJoueursDialogue(const ContexteDialogue& contexte);
// The names, computer seats and style.
ChoixNoms DemanderNomsDialogue(const ContexteDialogue& contexte, int nbJoueurs, bool styleOuvert);

// The draw for the playing order: one dialog open across the game's calls.
class DialogueTirage {
public:
    explicit DialogueTirage(const ContexteDialogue& contexte);
    ~DialogueTirage();
    DialogueTirage(const DialogueTirage&) = delete;
    DialogueTirage& operator=(const DialogueTirage&) = delete;

    // Opens the dialog and returns whether the players want to draw; "&non"
    // closes it.
    bool demander();
    // The seat's button is shown; returns when it is pressed (at once for a
    // computer seat, which presses its own).
    void attendreSiege(int siege, const QString& nom, bool ordinateur);
    void montrerLettre(int siege, int lettre);
    // Ranks beside the names; returns on "&commencer" (by itself after 1.5 s when
    // every seat is a computer) and closes the dialog.
    void terminer(const std::array<int, nbSiegesMax + 1>& lettreDuSiege,
                  const std::array<int, nbSiegesMax + 1>& rang, bool tousOrdinateurs);

private:
    struct Etat;
    std::unique_ptr<Etat> etat;
};

// The letter of blank 27 or 47: returns 'a'..'z' (the dialog has no cancel).
char ChoisirLettreDialogue(const ContexteDialogue& contexte, int jeton);

// The refused-word report: slots 1..8, an empty text is a hidden slot; returns
// the ticked boxes. Its last note names the withdrawal list's path.
CasesCochees RapportMotsRefusesDialogue(const ContexteDialogue& contexte, const MotsRefuses& mots,
                                        const QString& fichierRetrait);

// "Êtes-vous sûr de vouloir quitter ?" / "... recommencer ?": true on "&oui".
bool ConfirmerQuitter(const ContexteDialogue& contexte);
bool ConfirmerRecommencer(const ContexteDialogue& contexte);
// "Reprendre la partie interrompue ?": true on "&oui".
bool ConfirmerReprise(const ContexteDialogue& contexte);

// The about box.
void AProposDe(const ContexteDialogue& contexte);

// The chrono's settings, opening on `actuel`; returns them as "&ok" left them.
ChoixChrono ChoisirChronoDialogue(const ContexteDialogue& contexte, const ChoixChrono& actuel);

}  // namespace glyphane::ui
