#pragma once
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <optional>

#include "engine/jeu.h"

class QKeyEvent;
class QMouseEvent;
class QWidget;

// Playing from the keyboard. Every key meant for the main window passes here
// first. Ctrl hands the mouse cursor to the keyboard and Shift takes it back:
// meanwhile each key moves the cursor a step (the arrows and the numeric keypad,
// whose digits move it at any time) and goes no further. Alt starts a carry: the
// first tile the cursor passes over follows it square by square, Space or keypad
// 5 sends it back to the rack, Enter gives a blank its letter, and Esc lets it go
// where it stands. Without the cursor, Enter in the list of words lays the move
// of its line and Tab goes on to "Jouer"; Enter presses the focused button.
//
// Each action happens once per keystroke, as the key goes down. A held arrow
// steps again with each repeat of the key, as a cursor key does; any other key
// held down acts once. Nothing happens while the computer is to play. The focus
// stays where it was while the window is disabled and enabled again.
namespace glyphane::ui {

class FenetrePrincipale;
class VueQt;

class ClavierJeu final : public QObject {
    Q_OBJECT
public:
    ClavierJeu(Jeu& jeu, VueQt& vue, FenetrePrincipale& fenetre);

    // The carried tile once the cursor has crossed a panel: nothing is picked up
    // any more until Esc.
    static constexpr int survolPanneau = 255;

    bool controleCurseur() const { return controle; }
    bool modePort() const { return port; }
    // 0 for none, a tile 1..102, or survolPanneau.
    int jetonPorte() const { return porte; }
    // Where the cursor stands in the window's pixels: where the keyboard put it,
    // or where the mouse was last seen over the window.
    QPoint curseur();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    bool mainsLibres() const;
    bool dansLaFenetre(const QObject* objet) const;
    // True when the key goes no further.
    bool touche(QObject* cible, const QKeyEvent& evenement);
    bool changerDeMode(int touche);
    bool appuyerSurLeFocus(QObject* focus, int touche);
    void pas(const QKeyEvent& evenement, bool avecPort);
    void deplacerCurseur(QPoint vers);
    void survoler(QWidget* survole);
    bool porteEnJeu() const;
    void porter();
    void renvoyer();
    void suivreLaSouris(QObject* objet, const QMouseEvent& evenement);
    bool interrompreLePort(const QObject* objet);
    void noterLeFocus(QObject* objet);
    void rendreLeFocus();

    Jeu& jeu;
    VueQt& vue;
    FenetrePrincipale& fenetre;
    bool controle = false;
    bool port = false;
    int porte = 0;
    std::optional<QPoint> position;
    // Where the last step sent the cursor on the screen, until the mouse moves on.
    std::optional<QPoint> saut;
    QPointer<QWidget> dernierFocus;
};

}  // namespace glyphane::ui
