#include "ui/clavier.h"

#include <QCoreApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <cstdlib>
#include <utility>

#include "engine/evaluation.h"
#include "engine/regles.h"
#include "ui/depot_jeton.h"
#include "ui/fenetre_principale.h"
#include "ui/focus_survol.h"
#include "ui/memo_mots.h"
#include "ui/pas_curseur.h"
#include "ui/vignette_jeton.h"
#include "ui/vue_qt.h"

namespace glyphane::ui {

namespace {

bool estEntree(int touche) { return touche == Qt::Key_Return || touche == Qt::Key_Enter; }

bool estUnJeton(int porte) { return porte >= 1 && porte <= nbJetons; }

// The help and the cover of the replay buttons are the window's panels.
bool estPanneau(const QWidget* survole, const QWidget* fenetre) {
    for (const QWidget* w = survole; w != nullptr && w != fenetre; w = w->parentWidget()) {
        if (w->objectName() == QStringLiteral("PanelAideClavier") ||
            w->objectName() == QStringLiteral("CacheBoutonRevoir")) {
            return true;
        }
    }
    return false;
}

}  // namespace

ClavierJeu::ClavierJeu(Jeu& jeuJoue, VueQt& vueDuJeu, FenetrePrincipale& fenetreDuJeu)
    : QObject(&fenetreDuJeu), jeu(jeuJoue), vue(vueDuJeu), fenetre(fenetreDuJeu) {
    QCoreApplication::instance()->installEventFilter(this);
}

QPoint ClavierJeu::curseur() {
    if (!position) position = fenetre.mapFromGlobal(QCursor::pos());
    return *position;
}

bool ClavierJeu::mainsLibres() const {
    return !vue.tourOrdinateur() && jeu.partie.drapeaux.ordiOccupe.load() == 0;
}

// Keys typed into a dialog are the dialog's.
bool ClavierJeu::dansLaFenetre(const QObject* objet) const {
    const auto* w = qobject_cast<const QWidget*>(objet);
    return w != nullptr && w->window() == &fenetre && fenetre.isEnabled();
}

bool ClavierJeu::eventFilter(QObject* objet, QEvent* evenement) {
    switch (evenement->type()) {
        case QEvent::KeyPress:
            return dansLaFenetre(objet) && mainsLibres() && touche(objet, static_cast<const QKeyEvent&>(*evenement));
        case QEvent::ShortcutOverride:
            // While the keyboard holds the cursor no menu key or mnemonic fires:
            // the key comes back here as a key press.
            if (!controle || !dansLaFenetre(objet) || !mainsLibres()) return false;
            evenement->accept();
            return true;
        case QEvent::MouseMove:
            suivreLaSouris(objet, static_cast<const QMouseEvent&>(*evenement));
            return false;
        case QEvent::MouseButtonPress:
            return interrompreLePort(objet);
        case QEvent::FocusIn:
            noterLeFocus(objet);
            return false;
        case QEvent::EnabledChange:
            if (objet == &fenetre && fenetre.isEnabled()) rendreLeFocus();
            return false;
        default:
            return false;
    }
}

// A key that a widget leaves unhandled goes on to its parents, and comes here
// again each time: every key acted on here goes no further, so that it acts once.
bool ClavierJeu::touche(QObject* cible, const QKeyEvent& evenement) {
    const int t = evenement.key();
    if (changerDeMode(t)) return false;
    const bool pave = chiffreDuPave(t, evenement.modifiers()) >= 0;
    if (evenement.isAutoRepeat() && !directionDeTouche(t, evenement.modifiers())) return controle || pave;
    if (controle) {
        pas(evenement, port && estUnJeton(porte));
        return true;
    }
    if (pave) {
        pas(evenement, false);
        return true;
    }
    return appuyerSurLeFocus(cible, t);
}

bool ClavierJeu::changerDeMode(int touche) {
    switch (touche) {
        case Qt::Key_Shift: controle = false; return true;
        case Qt::Key_Control: controle = true; return true;
        case Qt::Key_Escape:
            port = false;
            porte = 0;
            return true;
        case Qt::Key_Alt: port = true; return true;
        default: return false;
    }
}

// The key goes first to the widget with the focus.
bool ClavierJeu::appuyerSurLeFocus(QObject* focus, int touche) {
    if (focus == fenetre.memo1()) {
        QPushButton* jouer = fenetre.bouton("Jouer");
        if (estEntree(touche)) {
            fenetre.memo1()->cliquerLigneDuCurseur();
            return true;
        }
        if (touche != Qt::Key_Tab || !jouer->isVisible() || !jouer->isEnabled()) return false;
        jouer->setFocus(Qt::TabFocusReason);
        return true;
    }
    auto* bouton = qobject_cast<QPushButton*>(focus);
    if (!estEntree(touche) || bouton == nullptr) return false;
    bouton->click();
    return true;
}

void ClavierJeu::pas(const QKeyEvent& evenement, bool avecPort) {
    const int t = evenement.key();
    if (estJoker(porte) && estEntree(t)) {
        if (porteEnJeu()) ChoisirLettreJoker(jeu, porte);
        return;
    }
    if (t == Qt::Key_Space || chiffreDuPave(t, evenement.modifiers()) == 5) renvoyer();
    const std::optional<Direction> direction = directionDeTouche(t, evenement.modifiers());
    if (direction) deplacerCurseur(avancer(curseur(), *direction, fenetre.mode()));
    if (avecPort) porter();
    // Moving the cursor is moving the mouse: what it comes over reacts at once,
    // without waiting for the platform to report the move.
    if (direction) survoler(fenetre.childAt(curseur()));
}

void ClavierJeu::deplacerCurseur(QPoint vers) {
    position = vers;
    saut = fenetre.mapToGlobal(vers);
    QCursor::setPos(*saut);
}

void ClavierJeu::survoler(QWidget* survole) {
    donnerLeFocusAuSurvol(survole, mainsLibres());
    if (!controle || !port || porte != 0 || !mainsLibres()) return;
    auto* vignette = qobject_cast<VignetteJeton*>(survole);
    if (vignette != nullptr && vignette->isEnabled() && vignette->isVisible()) {
        porte = vignette->jeton();
        fenetre.mettreDessus(vignette);
    } else if (estPanneau(survole, &fenetre)) {
        porte = survolPanneau;
    }
}

// The carried tile follows the cursor, its corner a step up and left of it, and
// lands by the rules of a tile let go with the mouse; with the exchange open it
// goes into the exchange instead.
void ClavierJeu::porter() {
    if (!port || !porteEnJeu()) return;
    Partie& partie = jeu.partie;
    partie.ecran.surlignageSuggestion = false;
    partie.ecran.surlignageDernierCoup = false;
    if (partie.fenetre.phase() == Phase::echangeOuvert) {
        MettreALEchange(jeu, std::exchange(porte, 0));
        return;
    }
    const int pas = pasDuCurseur(fenetre.mode());
    const QPoint coin = curseur() - QPoint(pas, pas);
    DeposerJeton(partie, porte, coin.x(), coin.y());
    EvaluerCoup(partie);
    vue.Rafraichir();
}

// A tile of the rack shown, not yet committed: a carry left on from an earlier
// turn holds a tile that is now another's or on the board for good.
bool ClavierJeu::porteEnJeu() const {
    if (!estUnJeton(porte)) return false;
    const VignetteJeton* vignette = fenetre.vignette(porte);
    return vignette->isEnabled() && vignette->isVisible();
}

void ClavierJeu::renvoyer() {
    const int jeton = std::exchange(porte, 0);
    if (!estUnJeton(jeton) || !jeu.partie.ecran.images[static_cast<std::size_t>(jeton)].deplacable) return;
    RenvoyerAuChevalet(jeu.partie, jeton);
    EvaluerCoup(jeu.partie);
    vue.Rafraichir();
}

void ClavierJeu::suivreLaSouris(QObject* objet, const QMouseEvent& evenement) {
    auto* survole = qobject_cast<QWidget*>(objet);
    if (survole == nullptr || survole->window() != &fenetre) return;
    // The platform reports the keyboard's own cursor moves as moves it made up:
    // they were handled as the step was taken, and may arrive late.
    if (evenement.source() == Qt::MouseEventSynthesizedByQt) return;
    // Some report it as a real move, and where the window is shown enlarged on a
    // screen of fractional logical pixels, a pixel or two off: taken back, it
    // would push the cursor off its step a little more at every key.
    const QPoint global = evenement.globalPosition().toPoint();
    if (saut && std::abs(global.x() - saut->x()) <= 2 && std::abs(global.y() - saut->y()) <= 2) return;
    saut.reset();
    position = fenetre.mapFromGlobal(global);
    survoler(survole);
}

void ClavierJeu::noterLeFocus(QObject* objet) {
    auto* w = qobject_cast<QWidget*>(objet);
    if (w != nullptr && w->window() == &fenetre) dernierFocus = w;
}

// Disabling the window takes the focus from the widget that held it, and
// enabling it again gives the focus to nobody: a key would then go to the window
// itself, and Tab to the first widget of the chain. The window is disabled for
// every dialog and for a click on the list of words, so the focus goes back.
void ClavierJeu::rendreLeFocus() {
    if (fenetre.focusWidget() != nullptr || dernierFocus == nullptr) return;
    if (dernierFocus->isVisible() && dernierFocus->isEnabled()) dernierFocus->setFocus(Qt::OtherFocusReason);
}

// Taking a tile with the mouse ends the keyboard's carry, and that press does
// nothing more.
bool ClavierJeu::interrompreLePort(const QObject* objet) {
    if (!estUnJeton(porte) || qobject_cast<const VignetteJeton*>(objet) == nullptr) return false;
    port = false;
    porte = 0;
    return true;
}

}  // namespace glyphane::ui
