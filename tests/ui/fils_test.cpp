// The window and the game's worker threads: the window stays live while the
// computer plays, shows the game from the deal, and quits or restarts without
// waiting on a worker; a worker's dialog or repaint is carried to the window.
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "engine/jetons.h"
#include "tests/ui/programme_de_test.h"
#include "ui/vignette_jeton.h"

using namespace glyphane;
using glyphane::test::cliquer;
using glyphane::test::commencer;
using glyphane::test::controles;
using glyphane::test::dialogueAvec;
using glyphane::test::attenteMax;
using glyphane::test::ProgrammeDeTest;
using glyphane::test::Repondeur;
using glyphane::test::bouton;
using glyphane::test::caseEn;

namespace {

// The game's pauses, for a look at the window meanwhile: each one on the window
// thread runs `sonde`; the computer's thread stays in its first one until let go.
class CadenceTenue final : public Cadence {
public:
    void pause(std::chrono::milliseconds) override {
        if (QThread::currentThread() == QCoreApplication::instance()->thread()) {
            if (sonde) sonde();
            return;
        }
        std::unique_lock verrouille(verrou);
        tenue = true;
        signal.wait(verrouille, [this] { return lachee; });
    }
    bool tientLOrdinateur() {
        std::lock_guard garde(verrou);
        return tenue && !lachee;
    }
    void lacher() {
        std::lock_guard garde(verrou);
        lachee = true;
        signal.notify_all();
    }

    std::function<void()> sonde;

private:
    std::mutex verrou;
    std::condition_variable signal;
    bool tenue = false;
    bool lachee = false;
};

// Makes the window thread start waiting for the workers at the very moment a
// worker's request reaches it, already queued.
class AttenteALArrivee final : public QObject {
public:
    explicit AttenteALArrivee(ui::VueQt& vueSuivie) : vue(vueSuivie) { vue.installEventFilter(this); }
    bool arrivee = false;

protected:
    bool eventFilter(QObject*, QEvent* evenement) override {
        if (evenement->type() == QEvent::MetaCall && !arrivee) {
            arrivee = true;
            vue.repondreSansAttendre(true);
        }
        return false;
    }

private:
    ui::VueQt& vue;
};

// A program whose pauses are held; the computer is let go when the test ends,
// whatever happened, before the program goes.
class ProgrammeTenu {
public:
    ProgrammeTenu() : ProgrammeTenu(std::make_unique<CadenceTenue>()) {}
    ~ProgrammeTenu() { cadence.lacher(); }
    ProgrammeTenu(const ProgrammeTenu&) = delete;
    ProgrammeTenu& operator=(const ProgrammeTenu&) = delete;

    CadenceTenue& cadence;
    ProgrammeDeTest p;

private:
    explicit ProgrammeTenu(std::unique_ptr<CadenceTenue> tenue)
        : cadence(*tenue), p(ui::ModeEcran::m800, {}, std::move(tenue)) {}
};

// A game of two computer seats, the first one held in its first pause.
void commencerEtRetenir(ProgrammeDeTest& p, Repondeur& repondeur, CadenceTenue& cadence) {
    commencer(p, repondeur, {true, true});
    QTRY_VERIFY_WITH_TIMEOUT(cadence.tientLOrdinateur(), attenteMax);
    QVERIFY(!bouton(p, "Commencer")->isVisible());
}

// Lets the held seat go once the window thread, waiting for the threads, has
// asked them to stop.
void libererALArret(ProgrammeDeTest& p, Repondeur& repondeur, CadenceTenue& cadence) {
    const Drapeaux& drapeaux = p.programme.jeu().partie.drapeaux;
    repondeur.puis([&drapeaux, &cadence] {
        if (drapeaux.arretDemande.load() == 0) return false;
        cadence.lacher();
        return true;
    });
}

}  // namespace

class TestFils : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(ui); }

    // The window thread keeps turning while the computer plays both seats to
    // the end; the tiles painted are those committed.
    // A game between two computer seats runs to its end while the window stays
    // live: with the computer held in its first pause, the window still answers.
    void partieEntreDeuxOrdinateurs() {
        ProgrammeTenu tenu;
        ProgrammeDeTest& p = tenu.p;
        CadenceTenue& cadence = tenu.cadence;
        Repondeur repondeur;
        commencerEtRetenir(p, repondeur, cadence);
        bool repondu = false;
        QTimer::singleShot(0, [&repondu] { repondu = true; });
        QTRY_VERIFY_WITH_TIMEOUT(repondu, attenteMax);
        QVERIFY(cadence.tientLOrdinateur());
        repondeur.puis([] { return cliquer("ligne1", "Ok"); });
        cadence.lacher();
        QTRY_VERIFY_WITH_TIMEOUT(repondeur.fini() && controles(p).commencer.visible, attenteMax);
        const Partie& partie = p.programme.jeu().partie;
        QCOMPARE(partie.deroulement.partieFinie(), partieTerminee);
        const auto copieAJour = [&] {
            const ui::Instantane copie = p.programme.vue().instantane();
            for (int t = 1; t <= nbJetons; ++t) {
                const ImageJeton& image = partie.ecran.images[t];
                if (copie.images[t].left != image.left || copie.images[t].top != image.top) {
                    return false;
                }
            }
            return true;
        };
        QTRY_VERIFY_WITH_TIMEOUT(copieAJour(), test::attenteMax);
        int poses = 0;
        for (int x = 1; x <= tailleGrille; ++x) {
            for (int y = 1; y <= tailleGrille; ++y) {
                const int t = partie.plateau.grilleFixe()[x][y];
                if (t == 0) continue;
                ++poses;
                ui::VignetteJeton* v = p.programme.fenetre().vignette(t);
                QCOMPARE(v->pos(), caseEn(partie, x, y));
                QVERIFY(v->isVisible() && !v->isEnabled());
            }
        }
        QVERIFY(poses > 20);
        QCOMPARE(poses, partie.plateau.jetonsSurPlateau());
    }

    // From the first turn on the window shows the game: no new-game buttons to
    // press, the names up, while the tiles are dealt and while the computer,
    // first to play, makes its move.
    void laPartieSeMontreDesLaDonne() {
        ProgrammeTenu tenu;
        ProgrammeDeTest& p = tenu.p;
        CadenceTenue& cadence = tenu.cadence;
        const auto partieMontree = [&p] {
            const QLabel* nom = p.programme.fenetre().findChild<QLabel*>("LabelNomJoueur1");
            return !bouton(p, "Commencer")->isVisible() && !bouton(p, "PartieSauvegarder")->isVisible() &&
                   nom->isVisible() && nom->text() == QStringLiteral("Ordi 1");
        };
        const Partie& partie = p.programme.jeu().partie;
        int pauses = 0;
        int pausesSansLaPartie = 0;
        cadence.sonde = [&] {
            if (partie.deroulement.numeroTour() == 0) return;
            ++pauses;
            if (!partieMontree()) ++pausesSansLaPartie;
        };
        Repondeur repondeur;
        commencer(p, repondeur, {true, false});
        QVERIFY(pauses > 0);
        QCOMPARE(pausesSansLaPartie, 0);
        QTRY_VERIFY_WITH_TIMEOUT(cadence.tientLOrdinateur(), test::attenteMax);
        QVERIFY(partieMontree());
    }

    // Quitting while the computer plays ends its threads without waiting on the
    // window, whatever they were asking it for.
    void quitterPendantQueLOrdinateurJoue() {
        ProgrammeTenu tenu;
        ProgrammeDeTest& p = tenu.p;
        CadenceTenue& cadence = tenu.cadence;
        Repondeur repondeur;
        commencerEtRetenir(p, repondeur, cadence);
        repondeur.puis([] { return cliquer("Non", "Oui"); });
        libererALArret(p, repondeur, cadence);
        bouton(p, "Button1")->click();
        QVERIFY(repondeur.fini());
        QVERIFY(!p.programme.fenetre().isVisible());
        QCOMPARE(int(p.programme.jeu().partie.drapeaux.ordiOccupe.load()), 0);
    }

    // A restart confirmed while the computer plays waits for its threads, then
    // leaves a game that has not started.
    void recommencerPendantQueLOrdinateurJoue() {
        ProgrammeTenu tenu;
        ProgrammeDeTest& p = tenu.p;
        CadenceTenue& cadence = tenu.cadence;
        Repondeur repondeur;
        commencerEtRetenir(p, repondeur, cadence);
        repondeur.puis([] { return cliquer("Non", "Oui"); });
        libererALArret(p, repondeur, cadence);
        bouton(p, "Recommencer")->click();
        QVERIFY(repondeur.fini());
        const Partie& partie = p.programme.jeu().partie;
        QCOMPARE(int(partie.drapeaux.ordiOccupe.load()), 0);
        QCOMPARE(int(partie.drapeaux.miseAJourEnCours.load()), 0);
        QCOMPARE(int(partie.deroulement.numeroTour()), 0);
        QTRY_VERIFY_WITH_TIMEOUT(bouton(p, "Commencer")->isVisible(), test::attenteMax);
        QVERIFY(p.programme.fenetre().isEnabled());
        QTest::qWait(50);
        QCOMPARE(int(partie.deroulement.numeroTour()), 0);
    }

    // A worker's dialog is shown by the window thread while the worker waits;
    // while the window thread waits for the workers, they get an answer at once.
    void dialogueDemandeParUnFil() {
        ProgrammeDeTest p;
        ui::VueQt& vue = p.programme.vue();
        std::atomic<bool> fini{false};
        QString ligneMontree;
        bool filEnAttente = false;
        Repondeur repondeur;
        repondeur.puis([&] {
            QWidget* boite = dialogueAvec("ligne2");
            if (boite == nullptr) return false;
            ligneMontree = boite->findChild<QLabel*>("ligne2")->text();
            filEnAttente = !fini;
            return cliquer("ligne2", "Ok");
        });
        std::thread fil([&] {
            vue.AfficherMessage(",Bonjour,;", "Titre");
            fini = true;
        });
        QTRY_VERIFY_WITH_TIMEOUT(fini, test::attenteMax);
        fil.join();
        QCOMPARE(ligneMontree, QStringLiteral("Bonjour"));
        QVERIFY(filEnAttente);

        // Asked for just before the window thread starts waiting: the request
        // it finds then is answered without a box.
        fini = false;
        AttenteALArrivee attente(vue);
        std::thread tardif([&] {
            vue.AfficherMessage(",Trop tard,;", "Titre");
            fini = true;
        });
        QTRY_VERIFY_WITH_TIMEOUT(fini, test::attenteMax);
        QVERIFY(attente.arrivee);
        tardif.join();
        QVERIFY(dialogueAvec("ligne2") == nullptr);

        Reponse reponse = Reponse::oui;
        std::thread sansAttente([&] { reponse = vue.PoserQuestion("Vraiment ?;", "Titre"); });
        sansAttente.join();
        QCOMPARE(reponse, Reponse::non);
        vue.repondreSansAttendre(false);
    }

    // A worker's repaint copies the model at once but moves no widget itself.
    void repeintDemandeParUnFil() {
        ProgrammeDeTest p;
        Partie& partie = p.programme.jeu().partie;
        partie.ecran.images[1] = {100, 120, true, true};
        std::thread fil([&] { p.programme.vue().Rafraichir(); });
        fil.join();
        ui::VignetteJeton* v = p.programme.fenetre().vignette(1);
        QVERIFY(v->pos() != QPoint(100, 120));
        QCOMPARE(p.programme.vue().instantane().images[1].left, 100);
        QTRY_COMPARE_WITH_TIMEOUT(v->pos(), QPoint(100, 120), test::attenteMax);
        QVERIFY(v->isVisible());
    }
};

QTEST_MAIN(TestFils)
#include "fils_test.moc"
