#pragma once
#include <QEventLoop>
#include <QHash>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "ui/dialogues/dialogues.h"

class QFrame;
class QLabel;
class QPushButton;

// What every window of the program's own dialogs shares: no caption bar, a
// panel in the main window's colour, one geometry per screen mode, buttons that
// click before they act, and the wait that keeps the window's events flowing
// while the main window is disabled.
namespace glyphane::ui {

class CadreAgrandi;

// The dialogs' lettering: one family for every text, given by its pixel height.
// Narrowed so that the texts keep the width they were laid out for.
QFont police(int pixels, bool gras = false);

// A position and size in each screen mode.
struct Place {
    QRect en800;
    QRect en640;
};

class Fiche : public QWidget {
    Q_OBJECT
public:
    // client: the window's size in each mode. The panel covers it in the
    // dialog's colour, the main window's one when it has been given.
    Fiche(const ContexteDialogue& contexte, QSize client800, QSize client640);
    ~Fiche() override;
    Fiche(const Fiche&) = delete;
    Fiche& operator=(const Fiche&) = delete;

    // Disables the main window and shows the dialog over it, enlarged as much
    // as the main window is.
    void ouvrir();
    // Keeps the window's events flowing until a button answers, or until the
    // application shuts down: every dialog starts with the answer it gives then.
    void attendre();
    // Hides the dialog and gives the main window back.
    void fermer();
    // The three in a row, for the dialogs that ask one thing, with the sound
    // the dialog makes as it appears.
    enum class Son { aucun, clic, bip };
    void executer(Son son = Son::aucun);

    // Where the dialog sits in mode 640, on the main window's origin (elsewhere
    // it is centred on the main window).
    void placerEn640(QPoint position) { position640 = position; }

    // The program's sounds, when it has them.
    void clic() const;
    void bip() const;

protected:
    // Ends the wait: a button has answered.
    void repondre();

    int selon(int en800, int en640) const;
    QRect selon(const Place& place) const;
    ModeEcran mode() const { return environnement.mode; }

    QLabel* etiquette(const QString& nom, const QString& texte, const QFont& font, const Place& place,
                      Qt::Alignment alignement = Qt::AlignLeft | Qt::AlignVCenter);
    // A label as wide as its text, from its top-left corner.
    QLabel* etiquette(const QString& nom, const QString& texte, const QFont& font, QPoint en800, QPoint en640);
    // A button that plays the click before its action, and answers Enter when
    // it has the focus.
    QPushButton* bouton(const QString& nom, const QString& texte, const Place& place, std::function<void()> action);
    // A window without any other way out clicks this one on Escape or on the
    // window manager's close; without it both are ignored.
    void annulerPar(QPushButton* bouton) { boutonAnnuler = bouton; }
    // Enter on this widget runs the action (most often: the focus moves on).
    void surEntree(QWidget* widget, std::function<void()> action);

    // Widens a label to its text around its centre, within the panel's
    // [gauche, droite]; a text still too long is shortened in its middle.
    void ajusterLargeur(QLabel* label, int gauche, int droite) const;

    QFrame* panneau() const { return fond; }

    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;

private:
    void annuler();
    void agrandirCommeLaPrincipale();
    void centrer();
    void rattacherALaPrincipale();

    ContexteDialogue environnement;
    QPointer<QWidget> principale;
    // Over an enlarged main window, the frame that shows the dialog enlarged alike.
    std::unique_ptr<CadreAgrandi> cadre;
    QFrame* fond = nullptr;
    QPushButton* boutonAnnuler = nullptr;
    QHash<QObject*, std::function<void()>> actionsEntree;
    std::optional<QPoint> position640;
    QEventLoop boucle;
    bool repondu = false;
    bool ouverte = false;
};

}  // namespace glyphane::ui
