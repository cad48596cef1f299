#pragma once
#include <QColor>
#include <QMenu>
#include <QWidget>
#include <array>
#include <span>

#include "engine/fenetre.h"
#include "ui/faces_jetons.h"
#include "ui/instantane.h"
#include "ui/mode_ecran.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

// The main window: the board, the 102 tiles, the racks, the scores and every
// button, laid out for one of the two layouts. It shows the game as it is told
// (the copy of the model, the state of the controls) and knows no rule; what its
// buttons do is wired elsewhere.
namespace glyphane::ui {

class ImageAgrandie;
class MemoMots;
class PlateauDessine;
class VignetteJeton;

class FenetrePrincipale final : public QWidget {
    Q_OBJECT
public:
    explicit FenetrePrincipale(ModeEcran mode);

    ModeEcran mode() const { return modeEcran; }
    QColor couleurFond() const { return fond; }
    // The window, the rack's cover and the word lists take the colour.
    void changerCouleurFond(const QColor& couleur);

    void poserFondPlateau(const QImage& image);
    void poserFaces(const FacesJetons& faces);

    void appliquerInstantane(const Instantane& instantane);
    void appliquerControles(const EtatControles& etat);

    VignetteJeton* vignette(int jeton) const { return vignettes[static_cast<std::size_t>(jeton)]; }
    std::span<VignetteJeton* const> toutesLesVignettes() const;
    QPushButton* bouton(const char* nom) const;
    QAction* entree(const char* nom) const;
    MemoMots* memo1() const { return memo; }
    MemoMots* memoCache() const { return cache; }
    QMenu& menu() { return menuContextuel; }

    // The tile being dragged passes over the others.
    void mettreDessus(VignetteJeton* vignette);

    // F1 opens the menu here on the screen.
    void ouvrirMenu(const QPoint& global);
    // The alarm's LED: lit while an alarm is set.
    void montrerLed(bool allumee);
    // Once the quit is decided, the window may close for good.
    void autoriserFermeture() { fermetureAutorisee = true; }

signals:
    // Closing the window asks before it quits.
    void fermetureDemandee();
    // A click on the rack's cover, or a key typed on it.
    void cacheLettresClique();
    // Every second while the chrono runs (the timer TJ).
    void ticChrono();

protected:
    void closeEvent(QCloseEvent* evenement) override;
    void contextMenuEvent(QContextMenuEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void creerControles();
    void creerEtiquettesPlateau();
    void creerVignettes();
    void creerPanneaux();
    void creerMenu();
    void empiler();
    void releverCouvertures();
    QLabel* etiquette(const QString& nom) const;

    void montrerCaption(const char* nom, const std::string& texte);
    void montrerMenus(const EtatControles& etat);
    void montrerScores(const Instantane& instantane);
    void montrerChrono(const EtatControles& etat);

    ModeEcran modeEcran;
    QColor fond;
    const FacesJetons* faces = nullptr;
    PlateauDessine* dessinPlateau = nullptr;
    std::array<VignetteJeton*, nbJetons + 1> vignettes{};
    MemoMots* memo = nullptr;
    MemoMots* cache = nullptr;
    QLabel* couvercle = nullptr;
    QProgressBar* progression = nullptr;
    ImageAgrandie* led = nullptr;
    QTimer* tj = nullptr;
    QMenu menuContextuel;
    bool fermetureAutorisee = false;
    bool activeAppliquee = true;
};

}  // namespace glyphane::ui
