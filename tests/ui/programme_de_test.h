#pragma once
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "engine/cadence.h"
#include "engine/jetons.h"
#include "ui/fenetre_principale.h"
#include "ui/programme.h"

namespace glyphane::test {

// How long a test waits for what the workers do, a whole game between computer
// seats at the most. Waits end as soon as their condition holds: the bound only
// keeps a loaded machine from failing a test that would pass.
inline constexpr int attenteMax = 30000;  // ms

// The program in a folder of its own, without pauses (unless given its own) or
// sounds, dealing the same tiles at every run, its window shown at the size of
// its layout.
class ProgrammeDeTest {
public:
    explicit ProgrammeDeTest(ui::ModeEcran mode = ui::ModeEcran::m800, const QString& dossierImpose = {},
                             std::unique_ptr<Cadence> cadence = std::make_unique<CadenceNulle>())
        : programme(options(mode, dossierImpose.isEmpty() ? dossier.path() : dossierImpose), std::move(cadence)) {
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
        o.graine = 1;
        return o;
    }
};

// The window's controls as the game last set them.
inline EtatControles controles(ProgrammeDeTest& p) { return p.programme.jeu().partie.fenetre.copie(); }

inline QPushButton* bouton(ProgrammeDeTest& p, const char* nom) { return p.programme.fenetre().bouton(nom); }

// Where the top left corner of square (colonne, ligne) is on the window.
inline QPoint caseEn(const Partie& partie, int colonne, int ligne) {
    return {partie.ecran.geometrie.gaucheCase(colonne), partie.ecran.geometrie.hautCase(ligne)};
}

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

// A new game of as many seats as `ordinateurs` holds, those ticked played by the
// computer: "Combien de joueurs ?", the names, then no draw for the order.
inline void commencer(ProgrammeDeTest& p, Repondeur& repondeur, const std::vector<bool>& ordinateurs) {
    const int nombre = static_cast<int>(ordinateurs.size());
    repondeur.puis([nombre] {
        if (!cliquer("RadioButton1", QStringLiteral("RadioButton%1").arg(nombre))) return false;
        return cliquer("RadioButton1", "Ok");
    });
    repondeur.puis([ordinateurs] {
        QWidget* noms = dialogueAvec("Edit1");
        if (noms == nullptr) return false;
        for (std::size_t s = 0; s < ordinateurs.size(); ++s) {
            if (ordinateurs[s]) noms->findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(s + 1))->click();
        }
        return cliquer("Edit1", "Ok");
    });
    if (nombre > 1) repondeur.puis([] { return cliquer("Tirage", "Non"); });
    p.programme.fenetre().bouton("Commencer")->click();
    QVERIFY(repondeur.fini());
}

// Two tiles of the current rack, no blank among them, whose letters make a word
// the dictionary knows (or does not).
inline std::pair<int, int> deuxJetons(ProgrammeDeTest& p, bool connu) {
    const Partie& partie = p.programme.jeu().partie;
    const auto& casiers = partie.chevalet.caseChevalet()[partie.deroulement.joueurCourant()];
    for (int i = 1; i <= tailleChevalet; ++i) {
        for (int j = 1; j <= tailleChevalet; ++j) {
            const int a = casiers[i];
            const int b = casiers[j];
            if (i == j || a == 0 || b == 0 || estJoker(a) || estJoker(b)) continue;
            const std::string mot{partie.plateau.LettreJeton()[a], partie.plateau.LettreJeton()[b]};
            if (p.programme.jeu().trie.contains(mot) == connu) return {a, b};
        }
    }
    return {0, 0};
}

}  // namespace glyphane::test
