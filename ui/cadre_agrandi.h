#pragma once
#include <QGraphicsView>

class QDialog;
class QGraphicsProxyWidget;

// The window of a large screen, enlarged: the main window keeps its layout's
// pixels and is shown through a view that scales it to the frame's size, its
// shape kept. Text and drawings are painted at the enlarged size; the mouse and
// the screen's coordinates are translated by the toolkit.
namespace glyphane::ui {

class CadreAgrandi final : public QGraphicsView {
public:
    // `fenetre` stays its owner's: the frame gives it back when it goes.
    explicit CadreAgrandi(QWidget& fenetre);
    ~CadreAgrandi() override;
    CadreAgrandi(const CadreAgrandi&) = delete;
    CadreAgrandi& operator=(const CadreAgrandi&) = delete;

protected:
    void resizeEvent(QResizeEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    // Closing the frame is closing the window inside, which may refuse.
    void closeEvent(QCloseEvent* evenement) override;

private:
    QWidget& contenu;
    QGraphicsProxyWidget* mandataire;
};

// How much the window holding `widget` is enlarged on the screen; 1 when it is
// shown as it is.
double echelleAffichee(QWidget& widget);

// The toolkit's own dialogs (files, colours, printer) opened over the window
// holding `widget`: their lettering and icons enlarged as much as the window, so
// that they read alike beside it. A dialog the desktop draws itself keeps the
// desktop's size.
void agrandirCommeLaFenetre(QDialog& dialogue, QWidget& widget);

// The top-level window that shows `widget` on the screen: the frame when the
// window holding it is shown enlarged, else that window itself.
QWidget& fenetreAffichee(QWidget& widget);

}  // namespace glyphane::ui
