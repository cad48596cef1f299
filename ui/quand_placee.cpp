#include "ui/quand_placee.h"

#include <QEvent>
#include <QTimer>
#include <QWindow>
#include <utility>

namespace glyphane::ui {

namespace {

// Watches the window for its first exposure, then hands the action to the event
// loop: a modal question must not run inside the exposure's own handling.
class AttentePlacement final : public QObject {
public:
    AttentePlacement(QWindow& fenetre, std::function<void()> aFaire) : QObject(&fenetre), action(std::move(aFaire)) {
        fenetre.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override {
        auto* fenetre = static_cast<QWindow*>(objet);
        if (evenement->type() == QEvent::Expose && fenetre->isExposed()) {
            fenetre->removeEventFilter(this);
            QTimer::singleShot(0, fenetre, std::move(action));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> action;
};

}  // namespace

void quandPlacee(QWidget& fenetre, std::function<void()> action) {
    QWindow* handle = fenetre.windowHandle();
    if (handle == nullptr || handle->isExposed()) {
        QTimer::singleShot(0, &fenetre, std::move(action));
        return;
    }
    new AttentePlacement(*handle, std::move(action));
}

}  // namespace glyphane::ui
