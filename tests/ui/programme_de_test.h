#pragma once
#include <QAbstractButton>
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>

#include "engine/cadence.h"
#include "ui/fenetre_principale.h"
#include "ui/programme.h"

namespace glyphane::test {

// The program in a folder of its own, without pauses or sounds, dealing the same
// tiles at every run, its window shown at the size of its layout.
class ProgrammeDeTest {
public:
    explicit ProgrammeDeTest(ui::ModeEcran mode = ui::ModeEcran::m800, const QString& dossierImpose = {})
        : programme(options(mode, dossierImpose.isEmpty() ? dossier.path() : dossierImpose),
                    std::make_unique<CadenceNulle>()) {
        programme.sons().rendreMuet(true);
        demarre = programme.demarrer();
        programme.montrer();
    }

    std::filesystem::path chemin() const { return programme.options().dossier; }

    QTemporaryDir dossier;
    ui::Programme programme;
    bool demarre = false;

private:
    static ui::OptionsProgramme options(ui::ModeEcran mode, const QString& chemin) {
        ui::OptionsProgramme o;
        o.mode = mode;
        o.presentation = ui::Presentation::tailleFixe;
        o.dossier = chemin.toStdString();
        o.graine = 7;
        return o;
    }
};

// A visible window of the program, top level, holding a widget of that name.
inline QWidget* dialogueAvec(const QString& nomEnfant) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || qobject_cast<ui::FenetrePrincipale*>(w) != nullptr) continue;
        if (w->findChild<QWidget*>(nomEnfant) != nullptr) return w;
    }
    return nullptr;
}

// Clicks the button of the dialog that holds `nomEnfant`; false while there is
// no such dialog.
inline bool cliquer(const QString& nomEnfant, const QString& nomBouton) {
    QWidget* dialogue = dialogueAvec(nomEnfant);
    if (dialogue == nullptr) return false;
    auto* bouton = dialogue->findChild<QAbstractButton*>(nomBouton);
    if (bouton == nullptr || !bouton->isVisible()) return false;
    bouton->click();
    return true;
}

// Answers the dialogs as they come, from inside their own waits: each step acts
// when its dialog is up and is then dropped.
class Repondeur : public QObject {
public:
    Repondeur() {
        minuterie.setInterval(5);
        connect(&minuterie, &QTimer::timeout, this, [this] {
            if (!etapes.empty() && etapes.front()()) etapes.pop_front();
        });
        minuterie.start();
    }

    Repondeur& puis(std::function<bool()> etape) {
        etapes.push_back(std::move(etape));
        return *this;
    }
    bool fini() const { return etapes.empty(); }

private:
    std::deque<std::function<bool()>> etapes;
    QTimer minuterie;
};

}  // namespace glyphane::test
