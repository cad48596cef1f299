#pragma once
#include <QWidget>

#include "ui/mode_ecran.h"

class QLabel;

// The black window shown while the program starts: its name and version in big
// white letters, and a waiting note the first time the search files are written.
namespace glyphane::ui {

class EcranDemarrage final : public QWidget {
    Q_OBJECT
public:
    explicit EcranDemarrage(ModeEcran mode);

    // Shown and painted at once: the program is busy afterwards.
    void montrerMaintenant();
    // "Création des dictionnaires de recherche ..." while the search files are written.
    void montrerAttente();

private:
    void ecrireLigne(const QString& texte, int haut, const QFont& police);

    QLabel* attente = nullptr;
};

}  // namespace glyphane::ui
