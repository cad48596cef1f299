#pragma once
#include <QImage>
#include <QObject>
#include <QRect>
#include <memory>
#include <optional>

#include "engine/jeu.h"

class QPrinter;

// A picture of the game: the main window saved as a bitmap file ("Capture
// d'écran", F2, and "ca&pture") or printed ("Imprimer", F3, and "&imprimer").
// The window renders itself, so a dialog or another window above it never gets
// into the picture.
namespace glyphane::ui {

class FenetrePrincipale;

// Where the window's picture goes on a page: as large as the page allows with
// its proportions kept, from the page's top-left corner.
QRect placeSurLaPage(QSize image, QRect page);

class CaptureImpression final : public QObject {
    Q_OBJECT
public:
    CaptureImpression(Jeu& jeu, FenetrePrincipale& fenetre);
    ~CaptureImpression() override;

    // SaveDialog2, then the window written as a bitmap of its size to a name
    // ending in "bmp", an existing file only replaced on "&oui".
    void capturer();
    // The printer's dialog, then the window on one page.
    void imprimer();

    // The printer the dialog sets up; it keeps its settings from one printout
    // to the next.
    QPrinter& imprimante();

private:
    std::optional<QString> demanderNom();
    QImage imageDeLaFenetre() const;

    Jeu& jeu;
    FenetrePrincipale& fenetre;
    std::unique_ptr<QPrinter> printer;
};

}  // namespace glyphane::ui
