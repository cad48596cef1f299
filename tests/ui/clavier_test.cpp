// Playing from the keyboard alone: the cursor steps, carrying tiles to the board,
// the list of words and the buttons, and the keyboard's help.
#include <QColorDialog>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>

#include "tests/ui/programme_de_test.h"
#include "ui/clavier.h"
#include "ui/memo_mots.h"
#include "ui/vignette_jeton.h"

using namespace glyphane;
using glyphane::test::commencer;
using glyphane::test::controles;
using glyphane::test::deuxJetons;
using glyphane::test::ProgrammeDeTest;
using glyphane::test::Repondeur;

namespace {

// The first value reached from `de` in steps of `pas` that falls in [bas, haut],
// which is at least `pas` wide.
int atteignable(int de, int bas, int haut, int pas) {
    int v = de;
    while (v > haut) v -= pas;
    while (v < bas) v += pas;
    return v;
}

// A player at the keyboard of the program.
class Clavier {
public:
    explicit Clavier(ProgrammeDeTest& programme)
        : p(programme), f(p.programme.fenetre()), clavier(p.programme.clavier()) {
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
    }

    // A key pressed and let go where the keyboard's focus is.
    void taper(int touche, Qt::KeyboardModifiers modificateurs = {}) {
        QWidget* cible = QApplication::focusWidget();
        QTest::keyClick(cible != nullptr ? cible : &f, static_cast<Qt::Key>(touche), modificateurs);
    }

    // The arrows, across then down, until the cursor stands at `cible`.
    void allerA(QPoint cible) {
        for (int n = 0; n < 100 && clavier.curseur().x() != cible.x(); ++n) {
            taper(clavier.curseur().x() < cible.x() ? Qt::Key_Right : Qt::Key_Left);
        }
        for (int n = 0; n < 100 && clavier.curseur().y() != cible.y(); ++n) {
            taper(clavier.curseur().y() < cible.y() ? Qt::Key_Down : Qt::Key_Up);
        }
    }

    // A point of [gauche, droite] x [haut, bas] that the cursor's steps reach.
    QPoint dans(int gauche, int droite, int haut, int bas) {
        const QPoint c = clavier.curseur();
        return {atteignable(c.x(), gauche, droite, pas), atteignable(c.y(), haut, bas, pas)};
    }

    // Carry mode from just above a rack tile, then one step down onto it.
    void prendre(int jeton) {
        const ui::VignetteJeton* v = f.vignette(jeton);
        allerA(dans(v->x() + 2, v->x() + v->width() - 3, v->y() - pas, v->y() - 1));
        taper(Qt::Key_Alt);
        QCOMPARE(clavier.jetonPorte(), 0);
        taper(Qt::Key_Down);
        QCOMPARE(clavier.jetonPorte(), jeton);
    }

    // The tile taken, then steps until its corner (a step up and left of the
    // cursor) is within half a square of the square's; Esc leaves it there.
    void porter(int jeton, int colonne, int ligne) {
        const Partie& partie = p.programme.jeu().partie;
        prendre(jeton);
        const ui::VignetteJeton* v = f.vignette(jeton);
        const int gauche = partie.ecran.geometrie.gaucheCase(colonne);
        const int haut = partie.ecran.geometrie.hautCase(ligne);
        allerA(dans(gauche - 5, gauche + 20, haut - 5, haut + 20));
        taper(Qt::Key_Escape);
        QCOMPARE(clavier.jetonPorte(), 0);
        QCOMPARE(int(partie.plateau.grilleJeu()[colonne][ligne]), jeton);
        QCOMPARE(v->pos(), QPoint(gauche, haut));
    }

    ProgrammeDeTest& p;
    ui::FenetrePrincipale& f;
    ui::ClavierJeu& clavier;
    static constexpr int pas = 10;
};

}  // namespace

class TestClavier : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(ui); }

    // Both tiles of a word carried to the centre and the move played, from the
    // keyboard alone: the cursor is brought over "Jouer", which takes the focus,
    // and Enter presses it once the keyboard has let the cursor go.
    void coupEntierAuClavier() {
        ProgrammeDeTest p;
        Repondeur repondeur;
        commencer(p, repondeur, {false});
        const auto [premier, second] = deuxJetons(p, true);
        QVERIFY(premier != 0);
        Clavier c(p);
        c.taper(Qt::Key_Control);
        QVERIFY(c.clavier.controleCurseur());
        c.porter(premier, 8, 8);
        c.porter(second, 9, 8);
        QVERIFY(c.f.findChild<QLabel*>("Epointsdutour")->text().toInt() > 0);

        QPushButton* jouer = c.f.bouton("Jouer");
        const QRect place = jouer->geometry();
        c.allerA(c.dans(place.left() + 2, place.right() - 2, place.top() + 2, place.bottom() - 2));
        QVERIFY(jouer->hasFocus());
        c.taper(Qt::Key_Shift);
        QVERIFY(!c.clavier.controleCurseur());
        c.taper(Qt::Key_Return);
        const Partie& partie = p.programme.jeu().partie;
        QTRY_VERIFY_WITH_TIMEOUT(partie.deroulement.score()[1] > 0, test::attenteMax);
        QCOMPARE(int(partie.plateau.grilleFixe()[8][8]), premier);
        QCOMPARE(int(partie.plateau.grilleFixe()[9][8]), second);
    }

    // One step per keystroke, the arrow's repeats stepping on; the keypad's
    // digits step without the cursor in hand, even where a key goes up to the
    // window unhandled; nothing else repeats.
    void unPasParFrappe() {
        ProgrammeDeTest p;
        Clavier c(p);
        const QPoint depart = c.clavier.curseur();
        c.taper(Qt::Key_Left);  // nothing moves before Ctrl
        QCOMPARE(c.clavier.curseur(), depart);
        c.taper(Qt::Key_Control);
        c.allerA(c.dans(300, 309, 300, 309));
        const QPoint centre = c.clavier.curseur();
        QVERIFY(centre != depart);
        c.taper(Qt::Key_Right);
        QCOMPARE(c.clavier.curseur(), centre + QPoint(10, 0));
        // The step's own arrival, reported as a real move a pixel or two off (an
        // enlarged window on a dense screen), leaves the cursor on its step.
        QMouseEvent arrivee(QEvent::MouseMove, QPointF(), QPointF(c.f.mapToGlobal(centre + QPoint(11, 2))),
                            Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&c.f, &arrivee);
        QCOMPARE(c.clavier.curseur(), centre + QPoint(10, 0));
        QKeyEvent repete(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(&c.f, &repete);
        QCOMPARE(c.clavier.curseur(), centre + QPoint(20, 0));
        c.taper(Qt::Key_7, Qt::KeypadModifier);
        QCOMPARE(c.clavier.curseur(), centre + QPoint(10, -10));
        c.taper(Qt::Key_F1);  // the cursor's too: no menu
        QVERIFY(!c.f.menu().isVisible());

        c.taper(Qt::Key_Shift);
        c.f.bouton("Button15")->setFocus();
        c.taper(Qt::Key_3, Qt::KeypadModifier);
        QCOMPARE(c.clavier.curseur(), centre + QPoint(20, 0));
        c.taper(Qt::Key_PageDown, Qt::KeypadModifier);  // keypad 3 with Num Lock off
        QCOMPARE(c.clavier.curseur(), centre + QPoint(30, 10));
        c.taper(Qt::Key_Right);  // an arrow is the focus's own without the cursor
        QCOMPARE(c.clavier.curseur(), centre + QPoint(30, 10));
        QKeyEvent entreeRepetee(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(c.f.bouton("Button15"), &entreeRepetee);
        QVERIFY(!controles(p).panelAideClavier.visible);
    }

    // While the computer plays, the keys are the window's as if nothing watched.
    void rienPendantQueLOrdinateurJoue() {
        ProgrammeDeTest p;
        Repondeur repondeur;
        commencer(p, repondeur, {true, true});
        QTRY_VERIFY_WITH_TIMEOUT(p.programme.vue().tourOrdinateur(), test::attenteMax);
        Clavier c(p);
        const QPoint depart = c.clavier.curseur();
        QKeyEvent ctrl(QEvent::KeyPress, Qt::Key_Control, Qt::NoModifier);
        QKeyEvent droite(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
        QApplication::sendEvent(&c.f, &ctrl);
        QApplication::sendEvent(&c.f, &droite);
        QVERIFY(!c.clavier.controleCurseur());
        QCOMPARE(c.clavier.curseur(), depart);
        repondeur.puis([] { return test::cliquer("ligne1", "Ok"); });
        QTRY_VERIFY_WITH_TIMEOUT(controles(p).commencer.visible && repondeur.fini(), test::attenteMax);
    }

    // Space sends the carried tile back; a mouse press on a tile ends the carry
    // and does nothing else.
    void renvoiEtSouris() {
        ProgrammeDeTest p;
        Repondeur repondeur;
        commencer(p, repondeur, {false});
        const Partie& partie = p.programme.jeu().partie;
        const int jeton = partie.chevalet.caseChevalet()[1][2];
        Clavier c(p);
        c.taper(Qt::Key_Control);
        c.porter(jeton, 4, 4);
        c.taper(Qt::Key_Alt);
        c.taper(Qt::Key_Up);  // back over the tile on D4
        QCOMPARE(c.clavier.jetonPorte(), jeton);
        c.taper(Qt::Key_Space);
        QCOMPARE(c.clavier.jetonPorte(), 0);
        const QPoint casier(partie.ecran.geometrie.gaucheChevalet(2), partie.ecran.geometrie.hautChevalet());
        QCOMPARE(c.f.vignette(jeton)->pos(), casier);
        QCOMPARE(int(partie.plateau.grilleJeu()[4][4]), 0);

        c.porter(jeton, 4, 4);
        c.taper(Qt::Key_Alt);
        c.taper(Qt::Key_Up);
        QCOMPARE(c.clavier.jetonPorte(), jeton);
        ui::VignetteJeton* autre = c.f.vignette(partie.chevalet.caseChevalet()[1][5]);
        const QPoint avant = autre->pos();
        QTest::mousePress(autre, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseMove(autre, QPoint(60, 5));
        QTest::mouseRelease(autre, Qt::LeftButton, {}, QPoint(60, 5));
        QCOMPARE(autre->pos(), avant);
        QVERIFY(!c.clavier.modePort());
        QCOMPARE(c.clavier.jetonPorte(), 0);
    }

    // Enter on a carried blank asks for its letter, once however long it is held.
    void entreeSurUnJokerPorte() {
        ProgrammeDeTest p;
        Repondeur repondeur;
        commencer(p, repondeur, {false});
        const Partie& partie = p.programme.jeu().partie;
        int joker = 0;
        for (int j = 1; j <= tailleChevalet; ++j) {
            if (estJoker(partie.chevalet.caseChevalet()[1][j])) joker = partie.chevalet.caseChevalet()[1][j];
        }
        QVERIFY(joker != 0);
        Clavier c(p);
        c.taper(Qt::Key_Control);
        c.prendre(joker);
        int dialogues = 0;
        repondeur.puis([&dialogues] {
            QWidget* fiche = test::dialogueAvec("ListeLettres");
            if (fiche == nullptr) return false;
            ++dialogues;
            fiche->findChild<QListWidget*>("ListeLettres")->setCurrentRow('s' - 'a');
            return test::cliquer("ListeLettres", "Ok");
        });
        c.taper(Qt::Key_Return);
        QVERIFY(repondeur.fini());
        QCOMPARE(partie.plateau.LettreJeton()[joker], 's');
        QKeyEvent repete(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(&c.f, &repete);
        QCOMPARE(dialogues, 1);
        QVERIFY(test::dialogueAvec("ListeLettres") == nullptr);
    }

    // With the exchange open the carried tile goes into it.
    void echangeAuClavier() {
        ProgrammeDeTest p;
        Repondeur repondeur;
        commencer(p, repondeur, {false});
        const Partie& partie = p.programme.jeu().partie;
        const int jeton = partie.chevalet.caseChevalet()[1][3];
        Clavier c(p);
        c.f.bouton("Echange")->click();
        QVERIFY(c.f.bouton("AnnulerEchange")->isVisible());
        c.taper(Qt::Key_Control);
        c.prendre(jeton);
        c.taper(Qt::Key_Up);
        QCOMPARE(c.clavier.jetonPorte(), 0);
        QCOMPARE(partie.nbJetonsEchanges, 1);
        QVERIFY(!c.f.vignette(jeton)->isVisible());
    }

    // Enter in the list lays the move of the caret's line, as a click on it;
    // Tab goes on to "Jouer", whose Enter plays the move chosen. Each key goes
    // where the keyboard's focus is, as the keys a player types do.
    void entreeDansLaListeDeMots() {
        ProgrammeDeTest p;
        Repondeur repondeur;
        commencer(p, repondeur, {false});
        ui::FenetrePrincipale& f = p.programme.fenetre();
        // This rack holds a blank: the search first offers its seven-tile moves alone.
        repondeur.puis([] { return test::cliquer("ligne1", "Non"); });
        f.bouton("ButtonListeMot")->click();
        QVERIFY(repondeur.fini());
        Clavier c(p);
        ui::MemoMots* memo = f.memo1();
        QTRY_VERIFY_WITH_TIMEOUT(memo->nombreDeLignes() > 2, test::attenteMax);
        const Partie& partie = p.programme.jeu().partie;
        const ModeleOrdinateur& modele = p.programme.ordinateur().modeleOrdinateur();
        const auto tuilesDuCoup = [&modele](int ligne) {
            return modele.Candidats[static_cast<std::size_t>(ligne)].coup.find(';');
        };
        const auto tuilesPosees = [&partie] {
            std::size_t poses = 0;
            for (int x = 1; x <= tailleGrille; ++x) {
                for (int y = 1; y <= tailleGrille; ++y) {
                    poses += partie.plateau.grilleJeu()[x][y] != partie.plateau.grilleFixe()[x][y] ? 1 : 0;
                }
            }
            return poses;
        };

        memo->setFocus();
        for (int page = 0; page < 20 && memo->textCursor().blockNumber() > 0; ++page) c.taper(Qt::Key_PageUp);
        c.taper(Qt::Key_Down);
        QCOMPARE(memo->textCursor().blockNumber(), 1);
        c.taper(Qt::Key_Return);
        QCOMPARE(tuilesPosees(), tuilesDuCoup(1));
        QVERIFY(partie.ecran.surlignageSuggestion);

        const QTextCursor ligne2(memo->document()->findBlockByNumber(2));
        QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, memo->cursorRect(ligne2).center());
        QCOMPARE(memo->textCursor().blockNumber(), 2);
        QCOMPARE(tuilesPosees(), tuilesDuCoup(2));
        const Grille choisi = partie.plateau.grilleJeu();
        c.taper(Qt::Key_Tab);
        QVERIFY(f.bouton("Jouer")->hasFocus());
        c.taper(Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(partie.deroulement.score()[1] > 0, test::attenteMax);
        QVERIFY(partie.plateau.grilleFixe() == choisi);
    }

    // In closed style any key typed on the rack's cover uncovers it, as a click.
    void couvertureDuChevalet() {
        ProgrammeDeTest p;
        p.programme.fenetre().bouton("Styleb")->click();
        Repondeur repondeur;
        commencer(p, repondeur, {false});
        QLabel* couvercle = p.programme.fenetre().findChild<QLabel*>("CacheLettres");
        QTRY_VERIFY_WITH_TIMEOUT(couvercle->isVisible(), test::attenteMax);
        couvercle->setFocus();
        QTest::keyClick(couvercle, Qt::Key_Shift);
        QVERIFY(couvercle->isVisible());
        QTest::keyClick(couvercle, Qt::Key_A);
        QTRY_VERIFY_WITH_TIMEOUT(!couvercle->isVisible(), test::attenteMax);
        QTRY_VERIFY_WITH_TIMEOUT(p.programme.fenetre().bouton("Jouer")->isEnabled(), test::attenteMax);
    }

    // The mouse over a button gives it the focus; over a turn button only
    // while a human is to play.
    void focusAuSurvol() {
        ProgrammeDeTest p;
        ui::FenetrePrincipale& f = p.programme.fenetre();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        const auto survoler = [](QWidget* w) {
            QMouseEvent deplacement(QEvent::MouseMove, QPointF(3, 3), w->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                                    Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(w, &deplacement);
        };
        survoler(f.bouton("Button15"));
        QVERIFY(f.bouton("Button15")->hasFocus());
        survoler(f.bouton("Commencer"));
        QVERIFY(f.bouton("Commencer")->hasFocus());

        Repondeur repondeur;
        commencer(p, repondeur, {true, true});
        QTRY_VERIFY_WITH_TIMEOUT(p.programme.vue().tourOrdinateur(), test::attenteMax);
        QTRY_VERIFY_WITH_TIMEOUT(f.bouton("Jouer")->isVisible(), test::attenteMax);
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        f.bouton("Button15")->setFocus();
        survoler(f.bouton("Jouer"));
        QVERIFY(f.bouton("Button15")->hasFocus());
        survoler(f.bouton("Button1"));
        QVERIFY(f.bouton("Button1")->hasFocus());
        repondeur.puis([] { return test::cliquer("ligne1", "Ok"); });
        QTRY_VERIFY_WITH_TIMEOUT(controles(p).commencer.visible && repondeur.fini(), test::attenteMax);
    }

    // Its 18 lines as stored; shown by the menu entry and "&clavier ?", put
    // away by its "O&k" and by the buttons that open something else.
    void aideClavier() {
        ProgrammeDeTest p;
        ui::FenetrePrincipale& f = p.programme.fenetre();
        QWidget* panneau = f.findChild<QWidget*>("PanelAideClavier");
        const QStringList lignes = f.findChild<QPlainTextEdit*>("MemoAideClavier")->toPlainText().split('\n');
        QCOMPARE(lignes.size(), 18);
        QCOMPARE(lignes[0], QStringLiteral(" \"Ctrl\"  pour prendre le controle du curseur."));
        QCOMPARE(lignes[1], QStringLiteral(" "));
        QCOMPARE(lignes[3], QString());
        QCOMPARE(lignes[8], QStringLiteral(" \"Esc\" pour déposer l'image"));
        QCOMPARE(lignes[9], QString());
        QCOMPARE(lignes[12], QStringLiteral(" -Tab ,Tab ,Tab ....."));
        QCOMPARE(lignes[16], QStringLiteral("  la liste des mots possible ou page haut & bas."));
        QCOMPARE(lignes[17], QStringLiteral("  \"enter\" pour placer le mot."));
        QCOMPARE(f.bouton("OkAideClavier")->text(), QStringLiteral("O&k"));

        f.entree("clavier1")->trigger();
        QVERIFY(panneau->isVisible());
        f.bouton("OkAideClavier")->click();
        QVERIFY(!panneau->isVisible());
        for (const char* nom : {"Styleb", "niveaux", "ButtonSave", "ButtonCapture", "ButtonImprimer"}) {
            f.bouton("Button15")->click();
            QVERIFY2(panneau->isVisible(), nom);
            f.bouton(nom)->click();
            QVERIFY2(!panneau->isVisible(), nom);
        }
        // Gone before the colour dialog opens over it.
        bool montreSousLeDialogue = true;
        Repondeur repondeur;
        repondeur.puis([&] {
            auto* dialogue = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            if (dialogue == nullptr) return false;
            montreSousLeDialogue = panneau->isVisible();
            dialogue->reject();
            return true;
        });
        f.bouton("Button15")->click();
        f.bouton("CouleurFond")->click();
        QVERIFY(repondeur.fini());
        QVERIFY(!montreSousLeDialogue);
    }
};

QTEST_MAIN(TestClavier)
#include "clavier_test.moc"
