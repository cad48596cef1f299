#pragma once
#include <QImage>
#include <QLabel>
#include <functional>

// A label showing one of the program's own pictures (the alarm's lamp, a tile
// face): at the layout's pixels the picture itself, enlarged the same drawing
// made again for the pixels it covers, rather than the picture blown up.
namespace glyphane::ui {

class ImageAgrandie final : public QLabel {
    Q_OBJECT
public:
    explicit ImageAgrandie(QWidget* parent);

    // `dessiner(echelle)`: the picture drawn for `echelle` device pixels per layout pixel.
    void montrer(const QPixmap& exacte, std::function<QImage(double)> dessiner);

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    std::function<QImage(double)> dessin;
    QImage agrandie;
};

}  // namespace glyphane::ui
