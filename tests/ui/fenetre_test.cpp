// The program as a player meets it: started in a folder of its own, games played
// through its window and dialogs, quit and restart.
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "engine/jetons.h"
#include "lexicon/fichiers_recherche.h"
#include "lexicon/texte_windows.h"
#include "tests/lire_brut.h"
#include "tests/ui/programme_de_test.h"
#include "ui/couleur_fond.h"
#include "ui/vignette_jeton.h"

using namespace glyphane;
using glyphane::test::cliquer;
using glyphane::test::commencer;
using glyphane::test::deuxJetons;
using glyphane::test::dialogueAvec;
using glyphane::test::lireBrut;
using glyphane::test::attenteMax;
using glyphane::test::ProgrammeDeTest;
using glyphane::test::Repondeur;
using glyphane::test::bouton;
using glyphane::test::caseEn;

namespace {

// Pressed near its corner, moved so that its corner reaches `coin`, let go.
void glisser(ui::VignetteJeton* vignette, QPoint coin) {
    const QPoint prise(6, 6);
    const QPoint decalage = coin - vignette->pos();
    QTest::mousePress(vignette, Qt::LeftButton, {}, prise);
    QTest::mouseMove(vignette, prise + decalage);
    QTest::mouseRelease(vignette, Qt::LeftButton, {}, prise);
}

// The two tiles laid on row H from the centre on.
void poserAuCentre(ProgrammeDeTest& p, std::pair<int, int> jetons) {
    const Partie& partie = p.programme.jeu().partie;
    ui::FenetrePrincipale& f = p.programme.fenetre();
    glisser(f.vignette(jetons.first), caseEn(partie, 8, 8));
    glisser(f.vignette(jetons.second), caseEn(partie, 9, 8));
}

}  // namespace

class TestFenetre : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(ui); }

    void demarrageDansUnDossierNeuf() {
        ProgrammeDeTest p;
        QVERIFY(p.demarre);
        for (const char* nom : {"ImageDeFond.bmp", "a.bmp", "zz.bmp", "vide.bmp", "dico glyphane.txt"}) {
            QVERIFY2(std::filesystem::exists(p.chemin() / nom), nom);
        }
        QVERIFY(std::filesystem::file_size(p.chemin() / "ImageDeFond.bmp") >= 200);
        ui::FenetrePrincipale& f = p.programme.fenetre();
        for (int t = 1; t <= nbJetons; ++t) {
            auto* v = f.findChild<ui::VignetteJeton*>(QStringLiteral("Image%1").arg(t));
            QVERIFY(v != nullptr && v->size() == QSize(29, 29) && !v->isVisible());
        }
        // No game: only the new-game buttons and the quit are there to press.
        QVERIFY(bouton(p, "Commencer")->isVisible() && !bouton(p, "Jouer")->isVisible());
        QVERIFY(!bouton(p, "Recommencer")->isVisible());
        QVERIFY(!f.entree("Recommancer1")->isEnabled() && !f.entree("Voir")->isEnabled());
        QVERIFY(f.entree("aproposde1")->isEnabled() && f.entree("Quittermaintenent1")->isEnabled());
        QCOMPARE(f.entree("Quittermaintenent1")->shortcut(), QKeySequence(Qt::Key_F12));
    }

    // A folder that cannot be made ends the start-up with its reason.
    void demarrageImpossible() {
        QTemporaryDir dossier;
        const QString fichier = dossier.filePath("fichier");
        QVERIFY(texte::ecrireLignes(fichier.toStdString(), {"pas un dossier"}));
        ProgrammeDeTest p(ui::ModeEcran::m800, fichier + "/glyphane");
        QVERIFY(!p.demarre);
        QVERIFY(!p.programme.raisonEchec().empty());
    }

    void dispositionDesDeuxModes_data() {
        QTest::addColumn<bool>("en640");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QRect>("place");
        QTest::newRow("Jouer 800") << false << "Jouer" << QRect(530, 482, 87, 25);
        QTest::newRow("Jouer 640") << true << "Jouer" << QRect(420, 389, 69, 20);
        QTest::newRow("memo1 800") << false << "memo1" << QRect(588, 226, 205, 191);
        QTest::newRow("memo1 640") << true << "memo1" << QRect(455, 195, 185, 134);
        QTest::newRow("CacheLettres 800") << false << "CacheLettres" << QRect(-2, 499, 497, 119);
        QTest::newRow("CacheLettres 640") << true << "CacheLettres" << QRect(0, 402, 401, 73);
        QTest::newRow("Button1 640") << true << "Button1" << QRect(560, 451, 75, 20);
        QTest::newRow("ProgressBar1 800") << false << "ProgressBar1" << QRect(612, 440, 113, 17);
        QTest::newRow("plateau 800") << false << "ImagebackG" << QRect(24, 24, 475, 475);
        QTest::newRow("plateau 640") << true << "ImagebackG" << QRect(16, 16, 386, 386);
        QTest::newRow("LabelO 640") << true << "LabelO" << QRect(3, 378, 12, 14);
    }

    void dispositionDesDeuxModes() {
        QFETCH(bool, en640);
        QFETCH(QString, nom);
        QFETCH(QRect, place);
        ProgrammeDeTest p(en640 ? ui::ModeEcran::m640 : ui::ModeEcran::m800);
        QVERIFY(p.demarre);
        QWidget* controle = p.programme.fenetre().findChild<QWidget*>(nom);
        QVERIFY(controle != nullptr);
        QCOMPARE(controle->geometry(), place);
        if (en640) QVERIFY(std::filesystem::exists(p.chemin() / "ImageDeFond640.bmp"));
        if (en640) QVERIFY(std::filesystem::exists(p.chemin() / "640xx.bmp"));
    }

    // A picture too small to be one, or a missing face, is made again.
    void fichiersAbimesRefaits() {
        QTemporaryDir dossier;
        { ProgrammeDeTest premier(ui::ModeEcran::m800, dossier.path()); }
        const std::filesystem::path chemin = dossier.path().toStdString();
        std::filesystem::resize_file(chemin / "ImageDeFond.bmp", 150);
        std::filesystem::remove(chemin / "b.bmp");
        ProgrammeDeTest second(ui::ModeEcran::m800, dossier.path());
        QVERIFY(second.demarre);
        QVERIFY(std::filesystem::file_size(chemin / "ImageDeFond.bmp") > 200);
        QVERIFY(std::filesystem::exists(chemin / "b.bmp"));
    }

    void f1OuvreLeMenu() {
        ProgrammeDeTest p;
        ui::FenetrePrincipale& f = p.programme.fenetre();
        // At its point of the window, wherever the window stands on the screen.
        f.move(100, 50);
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QTest::keyClick(&f, Qt::Key_F1);
        QTRY_VERIFY_WITH_TIMEOUT(f.menu().isVisible(), test::attenteMax);
        QCOMPARE(f.menu().pos(), f.mapToGlobal(QPoint(200, 200)));
        f.menu().hide();
    }

    void coupHumainGlisseEtJoue() {
        ProgrammeDeTest p;
        Repondeur repondeur;
        commencer(p, repondeur, {false});
        const std::pair<int, int> jetons = deuxJetons(p, true);
        QVERIFY(jetons.first != 0);
        poserAuCentre(p, jetons);
        const Partie& partie = p.programme.jeu().partie;
        QCOMPARE(int(partie.plateau.grilleJeu()[8][8]), jetons.first);
        QCOMPARE(int(partie.plateau.grilleJeu()[9][8]), jetons.second);
        QVERIFY(p.programme.fenetre().findChild<QLabel*>("Epointsdutour")->text().toInt() > 0);
        bouton(p, "Jouer")->click();
        QTRY_VERIFY_WITH_TIMEOUT(partie.deroulement.score()[1] > 0, test::attenteMax);
        QCOMPARE(int(partie.plateau.grilleFixe()[8][8]), jetons.first);
        ui::VignetteJeton* posee = p.programme.fenetre().vignette(jetons.first);
        QTRY_VERIFY_WITH_TIMEOUT(!posee->isEnabled(), test::attenteMax);
        // A committed tile stays where it is.
        glisser(posee, QPoint(10, 10));
        QCOMPARE(posee->pos(), caseEn(partie, 8, 8));
    }

    // A double click on a blank asks for its letter, and its face shows it.
    void doubleClicSurUnJoker() {
        ProgrammeDeTest p;
        Repondeur repondeur;
        commencer(p, repondeur, {false});
        repondeur.puis([] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (w->objectName() != "TFiche_Valeur27" || !w->isVisible()) continue;
                auto* liste = w->findChild<QListWidget*>("ListeLettres");
                liste->setCurrentRow('s' - 'a');
                return cliquer("ListeLettres", "Ok");
            }
            return false;
        });
        ui::VignetteJeton* joker = p.programme.fenetre().vignette(jokerA);
        QMouseEvent doubleClic(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                               Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(joker, &doubleClic);
        QVERIFY(repondeur.fini());
        QCOMPARE(p.programme.jeu().partie.plateau.LettreJeton()[jokerA], 's');
        QCOMPARE(joker->face().toImage(), QPixmap(":/SS").toImage());
    }

    // The word the dictionary does not know is vouched for: it joins the
    // dictionary and the user's list, and the move stands.
    void motRefuseCoche() {
        ProgrammeDeTest p;
        Repondeur repondeur;
        commencer(p, repondeur, {false});
        const std::pair<int, int> jetons = deuxJetons(p, false);
        QVERIFY(jetons.first != 0);
        const Partie& partie = p.programme.jeu().partie;
        const std::string mot{partie.plateau.LettreJeton()[jetons.first], partie.plateau.LettreJeton()[jetons.second]};
        poserAuCentre(p, jetons);
        repondeur.puis([] {
            QWidget* rapport = dialogueAvec("mot1");
            if (rapport == nullptr) return false;
            for (QCheckBox* boite : rapport->findChildren<QCheckBox*>()) {
                if (boite->isVisible()) boite->setChecked(true);
            }
            return cliquer("mot1", "Ok");
        });
        bouton(p, "Jouer")->click();
        QVERIFY(repondeur.fini());
        QVERIFY(p.programme.jeu().trie.contains(mot));
        QVERIFY(lireBrut(p.chemin() / "dico glyphane.txt").find(mot) != std::string::npos);
        QVERIFY(partie.deroulement.score()[1] > 0);
    }

    void reglesDeDepot_data() {
        QTest::addColumn<bool>("en640");
        QTest::addColumn<QPoint>("lache");
        QTest::addColumn<QPoint>("attendu");  // (-1, -1): back in its rack slot
        QTest::newRow("800 case A1") << false << QPoint(10, 10) << QPoint(30, 30);
        QTest::newRow("800 avant le plateau") << false << QPoint(5, 10) << QPoint(-1, -1);
        QTest::newRow("800 sous le plateau") << false << QPoint(300, 560) << QPoint(300, 560);
        QTest::newRow("800 hors de la fenetre") << false << QPoint(2000, 2000) << QPoint(-1, -1);
        QTest::newRow("640 case O15") << true << QPoint(372, 372) << QPoint(372, 372);
        QTest::newRow("640 a droite") << true << QPoint(389, 100) << QPoint(-1, -1);
    }

    void reglesDeDepot() {
        QFETCH(bool, en640);
        QFETCH(QPoint, lache);
        QFETCH(QPoint, attendu);
        ProgrammeDeTest p(en640 ? ui::ModeEcran::m640 : ui::ModeEcran::m800);
        Repondeur repondeur;
        commencer(p, repondeur, {false});
        const Partie& partie = p.programme.jeu().partie;
        const int jeton = partie.chevalet.caseChevalet()[1][3];
        ui::VignetteJeton* v = p.programme.fenetre().vignette(jeton);
        const QPoint casier(partie.ecran.geometrie.gaucheChevalet(3), partie.ecran.geometrie.hautChevalet());
        glisser(v, lache);
        QCOMPARE(v->pos(), attendu == QPoint(-1, -1) ? casier : attendu);
        QCOMPARE(QPoint(partie.ecran.images[jeton].left, partie.ecran.images[jeton].top), v->pos());
    }

    // "&non" changes nothing; "&oui" stops everything, keeps the colour and
    // removes the computer's word files.
    void quitter() {
        QTemporaryDir dossier;
        {
            ProgrammeDeTest p(ui::ModeEcran::m800, dossier.path());
            Repondeur repondeur;
            commencer(p, repondeur, {false});
            const int tour = p.programme.jeu().partie.deroulement.numeroTour();
            repondeur.puis([] { return cliquer("Non", "Non"); });
            bouton(p, "Button1")->click();
            QVERIFY(repondeur.fini());
            QVERIFY(p.programme.fenetre().isVisible() && p.programme.fenetre().isEnabled());
            QCOMPARE(p.programme.jeu().partie.deroulement.numeroTour(), tour);

            QVERIFY(p.programme.jeu().temporaires.ecrire(9, "mot\r\n"));
            const std::filesystem::path temporaires = p.chemin() / "Recherches" / "temp";
            QVERIFY(!std::filesystem::is_empty(temporaires));
            p.programme.fenetre().changerCouleurFond(QColor(1, 2, 3));
            repondeur.puis([] { return cliquer("Non", "Oui"); });
            bouton(p, "Button1")->click();
            QVERIFY(repondeur.fini());
            QVERIFY(!p.programme.fenetre().isVisible());
            QVERIFY(std::filesystem::is_empty(temporaires));
        }
        ProgrammeDeTest suivant(ui::ModeEcran::m800, dossier.path());
        QCOMPARE(suivant.programme.fenetre().couleurFond(), QColor(1, 2, 3));
    }
};

QTEST_MAIN(TestFenetre)
#include "fenetre_test.moc"
