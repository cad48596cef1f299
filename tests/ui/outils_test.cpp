// The clock and its alarm, the chrono, the screen capture and the printout, as a
// player uses them from the main window.
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QImageReader>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QSpinBox>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <fstream>

#include "tests/lire_brut.h"
#include "tests/ui/programme_de_test.h"
#include "ui/capture_impression.h"
#include "ui/plateau_dessine.h"
#include "ui/fond_plateau.h"
#include "ui/disposition.h"
#include "ui/horloge_alarme.h"

using namespace glyphane;
using glyphane::test::cliquer;
using glyphane::test::commencer;
using glyphane::test::controles;
using glyphane::test::dialogueAvec;
using glyphane::test::lireBrut;
using glyphane::test::ProgrammeDeTest;
using glyphane::test::Repondeur;

namespace {

QLabel* etiquette(ProgrammeDeTest& p, const char* nom) { return p.programme.fenetre().findChild<QLabel*>(nom); }

QImage image(const QPixmap& pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_RGB32); }

bool ledAllumee(ProgrammeDeTest& p) { return image(etiquette(p, "led")->pixmap()) == image(QPixmap(":/LedOn")); }

// Through the clock, the alarm dialog: the time, "&en fonction" with the sound
// as asked, a message typed, "&ok".
void reglerAlarme(ProgrammeDeTest& p, int heure, int minute, bool sonore, const QString& message) {
    Repondeur repondeur;
    repondeur.puis([=] {
        QWidget* fiche = dialogueAvec("EnFonction");
        if (fiche == nullptr) return false;
        fiche->findChild<QSpinBox*>("Heures")->setValue(heure);
        fiche->findChild<QSpinBox*>("Minutes")->setValue(minute);
        fiche->findChild<QCheckBox*>("Sonore")->setChecked(sonore);
        QTest::keyClicks(fiche->findChild<QTextEdit*>("Memo1"), message);
        fiche->findChild<QPushButton*>("EnFonction")->click();
        return cliquer("EnFonction", "Ok");
    });
    p.programme.fenetre().bouton("Clock21")->click();
    QVERIFY(repondeur.fini());
}

QString texte(const char* nomEnfant, const char* nomLabel) {
    QWidget* fiche = dialogueAvec(nomEnfant);
    return fiche == nullptr ? QString() : fiche->findChild<QLabel*>(nomLabel)->text();
}

// SaveDialog2 answered with this name.
std::function<bool()> nommerCapture(const QString& nom) {
    return [nom] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialogue = qobject_cast<QFileDialog*>(w);
            if (dialogue == nullptr || !dialogue->isVisible() || dialogue->objectName() != "SaveDialog2") continue;
            dialogue->selectFile(nom);
            static_cast<QDialog*>(dialogue)->accept();
            return true;
        }
        return false;
    };
}

}  // namespace

class TestOutils : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(ui); }

    void horlogeAffichee() {
        ProgrammeDeTest p;
        p.programme.horloge().fixerHeure([] { return QTime(7, 5, 9); });
        QCOMPARE(p.programme.fenetre().bouton("Clock21")->text(), QStringLiteral("&07:05:09"));
        QVERIFY(!ledAllumee(p));
        // The window's colour, whichever it is, shows around the lamp.
        for (const char* led : {":/LedOn", ":/LedOff"}) QCOMPARE(qAlpha(QImage(led).pixel(0, 0)), 0);
    }

    // Set at 10:05:55 for 10:05, the alarm rings at the check of 10:06:05 with its
    // message, and rings on until "&ok"; then everything is off again.
    void alarmeDeLaMinuteCourante() {
        ProgrammeDeTest p;
        ui::HorlogeAlarme& horloge = p.programme.horloge();
        QTime maintenant(10, 5, 55);
        horloge.fixerHeure([&maintenant] { return maintenant; });
        reglerAlarme(p, 10, 5, true, "Sortir le chat");
        QVERIFY(horloge.alarme().enFonction);
        QVERIFY(ledAllumee(p));
        auto* timerAlarme = horloge.findChild<QTimer*>("timerAlarm");
        QVERIFY(timerAlarme->isActive());
        QCOMPARE(timerAlarme->interval(), 10000);

        maintenant = QTime(10, 6, 5);
        Repondeur repondeur;
        QString titre;
        QString message;
        bool sonne = false;
        repondeur.puis([&] {
            if (dialogueAvec("Label2") == nullptr || texte("Label2", "Label1").isEmpty()) return false;
            titre = texte("Label2", "Label1");
            message = texte("Label2", "Label2");
            sonne = horloge.findChild<QTimer*>("son")->isActive();
            return cliquer("Label2", "Ok");
        });
        horloge.verifierAlarme();
        QVERIFY(repondeur.fini());
        QCOMPARE(titre, QStringLiteral("Alarme a: 10:5"));
        QCOMPARE(message, QStringLiteral("Message:\nSortir le chat"));
        QVERIFY(sonne);
        QVERIFY(!horloge.findChild<QTimer*>("son")->isActive());
        QVERIFY(!horloge.alarme().enFonction && !timerAlarme->isActive() && !ledAllumee(p));
        QVERIFY(p.programme.fenetre().isEnabled());
    }

    // Set at 10:06 for 10:05: no message at 10:06 nor later that morning; it
    // keeps waiting, LED lit, and without sound the message comes silently.
    void alarmeDUneMinutePassee() {
        ProgrammeDeTest p;
        ui::HorlogeAlarme& horloge = p.programme.horloge();
        QTime maintenant(10, 6, 0);
        horloge.fixerHeure([&maintenant] { return maintenant; });
        reglerAlarme(p, 10, 5, false, "");
        for (const QTime& t : {QTime(10, 6, 10), QTime(10, 6, 20), QTime(10, 7, 0), QTime(10, 8, 0)}) {
            maintenant = t;
            horloge.verifierAlarme();
            QVERIFY(dialogueAvec("Label2") == nullptr);
        }
        QVERIFY(horloge.alarme().enFonction && ledAllumee(p));

        // The next day, the minute before and the minute itself.
        Repondeur repondeur;
        bool sonne = true;
        for (int m = 4 * 60 + 1; m <= 10 * 60 + 4; m += 1) {
            maintenant = QTime(m / 60, m % 60);
            horloge.verifierAlarme();
        }
        repondeur.puis([&] {
            if (dialogueAvec("Label2") == nullptr) return false;
            sonne = horloge.findChild<QTimer*>("son")->isActive();
            return cliquer("Label2", "Ok");
        });
        maintenant = QTime(10, 5, 30);
        horloge.verifierAlarme();
        QVERIFY(repondeur.fini());
        QVERIFY(!sonne);
    }

    // An alarm that comes while its settings are open closes them first.
    void alarmePendantLeReglage() {
        ProgrammeDeTest p;
        ui::HorlogeAlarme& horloge = p.programme.horloge();
        horloge.fixerHeure([] { return QTime(21, 30, 0); });
        Repondeur repondeur;
        repondeur.puis([&] {
            QWidget* fiche = dialogueAvec("EnFonction");
            if (fiche == nullptr) return false;
            fiche->findChild<QPushButton*>("EnFonction")->click();
            QTimer::singleShot(0, &horloge, [&horloge] { horloge.verifierAlarme(); });
            return true;
        });
        bool reglageFerme = false;
        repondeur.puis([&] {
            if (dialogueAvec("Label2") == nullptr) return false;
            reglageFerme = dialogueAvec("EnFonction") == nullptr;
            return cliquer("Label2", "Ok");
        });
        p.programme.fenetre().bouton("Clock21")->click();
        QVERIFY(repondeur.fini());
        QVERIFY(reglageFerme);
        QVERIFY(p.programme.fenetre().isEnabled());
    }

    // The settings dialog reopens on the alarm set, "&hors fonction" puts it
    // out, and the message keeps to four lines.
    void reglageDeLAlarme() {
        ProgrammeDeTest p;
        ui::HorlogeAlarme& horloge = p.programme.horloge();
        horloge.fixerHeure([] { return QTime(8, 15, 0); });
        reglerAlarme(p, 23, 45, true, "");
        Repondeur repondeur;
        int heure = 0;
        int lignes = 0;
        repondeur.puis([&] {
            QWidget* fiche = dialogueAvec("EnFonction");
            if (fiche == nullptr) return false;
            heure = fiche->findChild<QSpinBox*>("Heures")->value();
            fiche->findChild<QPushButton*>("HorsFonction")->click();
            auto* memo = fiche->findChild<QTextEdit*>("Memo1");
            for (int n = 0; n < 8; ++n) QTest::keyClicks(memo, "une ligne de texte assez longue ");
            for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next()) lignes += b.layout()->lineCount();
            return cliquer("EnFonction", "Ok");
        });
        p.programme.fenetre().bouton("Clock21")->click();
        QVERIFY(repondeur.fini());
        QCOMPARE(heure, 23);
        QCOMPARE(lignes, 4);
        QVERIFY(!horloge.alarme().enFonction && !ledAllumee(p));
        QVERIFY(!horloge.alarme().message.empty());
    }

    // Set between games; each seat's total and the turn's countdown show and
    // count down with the chrono's tick, the turn's last twenty seconds
    // alternating red and black; a total chosen during a game changes nothing.
    void chrono() {
        ProgrammeDeTest p;
        ui::FenetrePrincipale& f = p.programme.fenetre();
        QWidget* aide = f.findChild<QWidget*>("PanelAideClavier");
        f.entree("clavier1")->trigger();
        bool aideMontree = true;
        Repondeur repondeur;
        repondeur.puis([&aideMontree, aide] {
            QWidget* fiche = dialogueAvec("ComboBox1");
            if (fiche == nullptr) return false;
            aideMontree = aide->isVisible();
            fiche->findChild<QCheckBox*>("CheckBox1")->setChecked(true);
            fiche->findChild<QComboBox*>("ComboBox1")->setCurrentIndex(0);
            fiche->findChild<QCheckBox*>("CheckBox2")->setChecked(true);
            fiche->findChild<QComboBox*>("ComboBox2")->setCurrentText("2 heure ");
            return cliquer("ComboBox1", "Ok");
        });
        f.bouton("ButtonChrono")->click();
        QVERIFY(repondeur.fini());
        QVERIFY(!aideMontree);
        EtatControles e = controles(p);
        QVERIFY(e.chronoParTour && e.chronoTotal);
        QCOMPARE(e.limiteChronoTour, 120);
        QCOMPARE(e.tempsTotal[3], 7200);

        commencer(p, repondeur, {false, false});
        QVERIFY(!f.bouton("ButtonChrono")->isEnabled() && !f.entree("timer")->isEnabled());
        QVERIFY(etiquette(p, "LTG1")->isVisible() && etiquette(p, "LTG2")->isVisible());
        QVERIFY(!etiquette(p, "LTG3")->isVisible());
        QCOMPARE(etiquette(p, "LCJ")->text(), QStringLiteral("02:00"));
        QTRY_VERIFY_WITH_TIMEOUT(f.findChild<QTimer*>("TJ")->isActive(), test::attenteMax);
        emit f.ticChrono();
        QCOMPARE(etiquette(p, "LTG1")->text(), QStringLiteral("01:59:59"));
        QCOMPARE(etiquette(p, "LTG2")->text(), QStringLiteral("02:00:00"));
        QCOMPARE(etiquette(p, "LCJ")->text(), QStringLiteral("01:59"));

        p.programme.jeu().partie.fenetre.modifier([](EtatControles& etat) { etat.decompteTour = 21; });
        const auto couleur = [&] { return etiquette(p, "LCJ")->palette().color(QPalette::WindowText); };
        emit f.ticChrono();
        QCOMPARE(etiquette(p, "LCJ")->text(), QStringLiteral("00:20"));
        QCOMPARE(couleur(), QColor(Qt::black));
        emit f.ticChrono();
        QCOMPARE(couleur(), QColor(Qt::red));
        emit f.ticChrono();
        QCOMPARE(couleur(), QColor(Qt::black));

        p.programme.jeu().partie.fenetre.modifier([](EtatControles& etat) {
            etat.decompteTour = 1;
            etat.tempsTotal[1] = 1;
        });
        emit f.ticChrono();
        QVERIFY(!f.findChild<QTimer*>("TJ")->isActive());
        QCOMPARE(etiquette(p, "LTG1")->text(), QStringLiteral("00:00:00"));
        QCOMPARE(etiquette(p, "LCJ")->text(), QStringLiteral("00:00"));
    }

    void controlesSansChevauchement_data() {
        QTest::addColumn<bool>("en640");
        QTest::newRow("800") << false;
        QTest::newRow("640") << true;
    }

    // Four seats, both chronos, the exchange open: no control stands over
    // another, but the covers, which are there for that.
    void controlesSansChevauchement() {
        QFETCH(bool, en640);
        ProgrammeDeTest p(en640 ? ui::ModeEcran::m640 : ui::ModeEcran::m800);
        p.programme.jeu().partie.fenetre.modifier([](EtatControles& e) {
            e.chronoParTour = true;
            e.chronoTotal = true;
        });
        Repondeur repondeur;
        commencer(p, repondeur, {false, false, false, false});
        ui::FenetrePrincipale& f = p.programme.fenetre();
        f.bouton("Echange")->click();
        QVERIFY(etiquette(p, "LCJ")->isVisible() && etiquette(p, "Eechange")->isVisible());
        QVERIFY(etiquette(p, "LTG4")->isVisible());

        const QStringList couvertures = {"CacheLettres", "CacheBoutonRevoir", "PanelAideClavier", "memoCache"};
        std::vector<QWidget*> visibles;
        for (const ui::Emplacement& e : ui::emplacements()) {
            auto* controle = f.findChild<QWidget*>(e.nom);
            if (controle->isVisible() && controle->parentWidget() == &f && !couvertures.contains(e.nom)) {
                visibles.push_back(controle);
            }
        }
        QStringList chevauchements;
        for (std::size_t i = 0; i < visibles.size(); ++i) {
            for (std::size_t j = i + 1; j < visibles.size(); ++j) {
                if (!visibles[i]->geometry().intersects(visibles[j]->geometry())) continue;
                chevauchements << visibles[i]->objectName() + " / " + visibles[j]->objectName();
            }
        }
        QVERIFY2(chevauchements.isEmpty(), qPrintable(chevauchements.join(", ")));
    }

    // Written as a bitmap of the window's size; written again only on "&oui";
    // a name in ".BMP" writes nothing; the question shows a long name on two lines.
    void captureDEcran() {
        QTemporaryDir court(QStringLiteral("/tmp/XXXXXX"));
        const QString nom = court.filePath("capture_ecran1.bmp");
        QCOMPARE(nom.size(), 30);
        ProgrammeDeTest p;
        ui::FenetrePrincipale& f = p.programme.fenetre();
        // No game: the entry is off, and the button only beeps.
        QVERIFY(!f.entree("printtFile")->isEnabled() && !f.entree("printt")->isEnabled());
        f.bouton("ButtonCapture")->click();
        QVERIFY(!QFileInfo::exists(nom));
        Repondeur repondeur;
        commencer(p, repondeur, {false});
        QVERIFY(f.entree("printtFile")->isEnabled() && f.entree("printt")->isEnabled());
        repondeur.puis(nommerCapture(nom));
        f.bouton("ButtonCapture")->click();
        QVERIFY(repondeur.fini());
        QImageReader lecteur(nom);
        QCOMPARE(lecteur.format(), QByteArray("bmp"));
        const QImage capture = lecteur.read();
        QCOMPARE(capture.size(), f.size());
        // The board as the program draws it, pixel for pixel, on any screen.
        QCOMPARE(capture.copy(QRect(ui::PlateauDessine::origine(ui::ModeEcran::m800), QSize(475, 475)))
                     .convertToFormat(QImage::Format_RGB32),
                 ui::dessinerFondPlateau(ui::ModeEcran::m800));

        std::ofstream(nom.toStdString()) << "marque";
        QStringList lignes;
        repondeur.puis(nommerCapture(nom));
        repondeur.puis([&] {
            if (dialogueAvec("Non") == nullptr) return false;
            for (const char* l : {"Label1", "ligne1", "ligne2", "ligne3"}) lignes << texte("Non", l);
            return cliquer("Non", "Non");
        });
        f.entree("printtFile")->trigger();
        QVERIFY(repondeur.fini());
        QCOMPARE(lignes, QStringList({"Enregistrer sous", nom.left(22), nom.mid(22), "... existe déjà."}));
        QCOMPARE(lireBrut(nom.toStdString()), std::string("marque"));

        repondeur.puis(nommerCapture(nom));
        repondeur.puis([] { return cliquer("Non", "Oui"); });
        f.entree("printtFile")->trigger();
        QVERIFY(repondeur.fini());
        QCOMPARE(QImageReader(nom).size(), f.size());

        const QString majuscules = court.filePath("capture.BMP");
        repondeur.puis(nommerCapture(majuscules));
        f.entree("printtFile")->trigger();
        QVERIFY(repondeur.fini());
        QVERIFY(!QFileInfo::exists(majuscules));
    }

    void impressionEnPdf() {
        ProgrammeDeTest p;
        ui::FenetrePrincipale& f = p.programme.fenetre();
        Repondeur repondeur;
        commencer(p, repondeur, {false});
        const QString pdf = p.dossier.filePath("partie.pdf");
        QPrinter& imprimante = p.programme.capture().imprimante();
        imprimante.setOutputFormat(QPrinter::PdfFormat);
        imprimante.setOutputFileName(pdf);
        const auto confirmerImpression = [] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* dialogue = qobject_cast<QPrintDialog*>(w);
                if (dialogue == nullptr || !dialogue->isVisible()) continue;
                dialogue->accept();
                return true;
            }
            return false;
        };
        repondeur.puis(confirmerImpression);
        f.bouton("ButtonImprimer")->click();
        QVERIFY(repondeur.fini());
        QVERIFY(lireBrut(pdf.toStdString()).starts_with("%PDF"));
        QVERIFY(lireBrut(pdf.toStdString()).size() > 10000);

        // A page that cannot be written says so.
        imprimante.setOutputFileName(p.dossier.filePath("absent/partie.pdf"));
        QString message;
        repondeur.puis(confirmerImpression);
        repondeur.puis([&] {
            if (dialogueAvec("ligne2") == nullptr) return false;
            message = texte("ligne2", "ligne3") + ' ' + texte("ligne2", "ligne4");
            return cliquer("ligne2", "Ok");
        });
        f.entree("printt")->trigger();
        QVERIFY(repondeur.fini());
        QCOMPARE(message, QStringLiteral("L'impression n'a pas pu être faite !"));
        QVERIFY(f.isEnabled());
    }

    void placeSurLaPage() {
        QCOMPARE(ui::placeSurLaPage({800, 600}, {0, 0, 1000, 2000}), QRect(0, 0, 1000, 750));
        QCOMPARE(ui::placeSurLaPage({800, 600}, {10, 10, 3000, 1200}), QRect(10, 10, 1600, 1200));
    }
};

QTEST_MAIN(TestOutils)
#include "outils_test.moc"
