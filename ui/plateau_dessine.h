#pragma once
#include <QImage>
#include <QWidget>

#include "ui/instantane.h"
#include "ui/mode_ecran.h"

// The board under the tiles: the background picture with, over it, the outlines
// of the squares of a suggested move (light grey) or, failing that, of the last
// move (yellow).
namespace glyphane::ui {

class PlateauDessine final : public QWidget {
    Q_OBJECT
public:
    PlateauDessine(ModeEcran mode, QWidget* parent);

    void poserFond(const QImage& fond);
    void montrer(const Instantane& instantane);

    // Where the board stands on the window.
    static QPoint origine(ModeEcran mode);

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    QRect contourDeCase(int colonne, int ligne) const;

    ModeEcran mode;
    QImage fond;
    // The program's own picture is drawn again for the pixels the board covers
    // when enlarged; any other one is shown as it is.
    bool fondDuProgramme = false;
    QImage fondAgrandi;
    GrilleMarques contours{};
    QColor couleurContours;
    bool avecContours = false;
};

}  // namespace glyphane::ui
