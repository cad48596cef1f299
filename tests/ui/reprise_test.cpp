// A game left without its end, taken up at the next start.
#include <QLabel>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "persist/ecriture_sauvegarde.h"
#include "tests/lire_brut.h"
#include "tests/ui/programme_de_test.h"

using namespace glyphane;
using glyphane::test::bouton;
using glyphane::test::cliquer;
using glyphane::test::commencer;
using glyphane::test::dialogueAvec;
using glyphane::test::lireBrut;
using glyphane::test::ProgrammeDeTest;
using glyphane::test::Repondeur;

namespace {

namespace fs = std::filesystem;

// The statistics that end a saved game are for a human reader only.
std::string ceQueLeChargementLit(const std::string& contenu) { return contenu.substr(0, contenu.find("fin r")); }

// The text of a label of the dialog holding `nomEnfant`, once it is up, and then
// its button pressed.
std::function<bool()> lireEtCliquer(const QString& nomEnfant, const QString& label, const QString& nomBouton,
                                    QString& texte) {
    return [=, &texte] {
        QWidget* dialogue = dialogueAvec(nomEnfant);
        if (dialogue == nullptr) return false;
        texte = dialogue->findChild<QLabel*>(label)->text();
        return cliquer(nomEnfant, nomBouton);
    };
}

}  // namespace

class TestReprise : public QObject {
    Q_OBJECT

private slots:
    // Quit with a game in progress: the next start asks, "&non" keeps the file
    // and starts nothing, "&oui" takes the game up as it stood.
    void laPartieQuitteeEstProposeeAuDemarrage() {
        QTemporaryDir dossier;
        const fs::path fichier = fs::path(dossier.path().toStdString()) / "partie en cours.Glb";
        std::string quittee;
        {
            ProgrammeDeTest p(ui::ModeEcran::m800, dossier.path());
            Repondeur repondeur;
            commencer(p, repondeur, {false, false});
            quittee = ContenuSauvegarde(p.programme.jeu().partie);
            repondeur.puis([] { return cliquer("Non", "Oui"); });
            bouton(p, "Button1")->click();
            QVERIFY(repondeur.fini());
        }
        QCOMPARE(lireBrut(fichier), quittee);

        for (const char* reponse : {"Non", "Oui"}) {
            ProgrammeDeTest p(ui::ModeEcran::m800, dossier.path());
            Repondeur repondeur;
            QString question;
            repondeur.puis(lireEtCliquer("Non", "Label1", reponse, question));
            p.programme.proposerReprise();
            QVERIFY(repondeur.fini());
            QCOMPARE(question, QString("Reprendre la partie interrompue ?"));
            QCOMPARE(lireBrut(fichier), quittee);
            const Partie& partie = p.programme.jeu().partie;
            if (reponse == std::string("Non")) {
                QCOMPARE(partie.deroulement.joueurCourant(), 0);
                QVERIFY(bouton(p, "Commencer")->isVisible());
                continue;
            }
            QCOMPARE(ceQueLeChargementLit(ContenuSauvegarde(partie)), ceQueLeChargementLit(quittee));
            QVERIFY(bouton(p, "Jouer")->isVisible() && bouton(p, "Jouer")->isEnabled());
        }
    }

    // Told as a damaged save is, then set aside under its own name.
    void unFichierEndommageEstSignaleEtMisDeCote() {
        QTemporaryDir dossier;
        const fs::path fichier = fs::path(dossier.path().toStdString()) / "partie en cours.Glb";
        {
            std::ofstream(fichier, std::ios::binary) << "7.3.0.3 Fichier de sauvegarde\r\n1\r\n";
        }
        ProgrammeDeTest p(ui::ModeEcran::m800, dossier.path());
        Repondeur repondeur;
        QString message;
        repondeur.puis(lireEtCliquer("Ok", "ligne2", "Ok", message));
        p.programme.proposerReprise();
        QVERIFY(repondeur.fini());
        QCOMPARE(message, QString("Sauvegarde endommagée !"));
        QVERIFY(!fs::exists(fichier));
        QCOMPARE(lireBrut(fichier.parent_path() / "partie en cours.endommagee.Glb"),
                 std::string("7.3.0.3 Fichier de sauvegarde\r\n1\r\n"));
    }
};

QTEST_MAIN(TestReprise)
#include "reprise_test.moc"
