#include "ui/cadence_fenetre.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <thread>

namespace glyphane::ui {

void CadenceFenetre::pause(std::chrono::milliseconds duree) {
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr || QThread::currentThread() != application->thread()) {
        std::this_thread::sleep_for(duree);
        return;
    }
    QEventLoop boucle;
    QTimer::singleShot(duree, &boucle, &QEventLoop::quit);
    boucle.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace glyphane::ui
