// The window's parts that hold logic of their own: where a tile let go ends up,
// the colour file, the choice of layout and folder, the single instance, the
// board picture and its outlines, the tile faces, the word list and the
// keyboard's cursor steps.
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <sys/stat.h>

#include <chrono>
#include <fstream>
#include <set>
#include <thread>
#include <utility>

#include "engine/partie.h"
#include "ui/cadence_fenetre.h"
#include "ui/cadre_agrandi.h"
#include "ui/couleur_fond.h"
#include "ui/depot_jeton.h"
#include "ui/dessin_faces.h"
#include "ui/dessin_led.h"
#include "ui/faces_jetons.h"
#include "ui/fond_plateau.h"
#include "ui/image_agrandie.h"
#include "ui/instance_unique.h"
#include "ui/memo_mots.h"
#include "ui/options_programme.h"
#include "ui/taille_fenetre.h"
#include "ui/pas_curseur.h"
#include "ui/plateau_dessine.h"
#include "ui/vignette_jeton.h"

using namespace glyphane;
using namespace glyphane::ui;

namespace {

constexpr int jeton = 5;
constexpr int casier = 2;

// Seat 1 to play, tile 5 in its slot 2, in the given layout.
void preparer(Partie& partie, int mode) {
    partie.ecran.geometrie.mode = mode;
    partie.deroulement.donnerLaMainA(1);
    partie.chevalet.ranger(1, jeton, casier);
    const Geometrie& geometrie = partie.ecran.geometrie;
    partie.ecran.images[jeton] = {geometrie.gaucheChevalet(casier), geometrie.hautChevalet(), true, true};
}

QPoint position(const Partie& partie) { return {partie.ecran.images[jeton].left, partie.ecran.images[jeton].top}; }

QPoint auChevalet(const Partie& partie) {
    return {partie.ecran.geometrie.gaucheChevalet(casier), partie.ecran.geometrie.hautChevalet()};
}

int couleurs(const QImage& image, QRgb couleur) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == couleur ? 1 : 0;
    }
    return n;
}

}  // namespace

class TestPieces : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(ui); }

    // Both ends of every index of both tables.
    void tablesDesPixels() {
        const std::array<int, 17> premiers800 = {0,   7,   45,  77,  108, 139, 170, 201, 232,
                                                 263, 294, 324, 356, 387, 418, 449, 486};
        const std::array<int, 17> premiers640 = {0,   8,   35,  60,  85,  110, 135, 160, 185,
                                                 209, 234, 259, 284, 310, 334, 360, 389};
        for (int i = 0; i <= 16; ++i) {
            QCOMPARE(indexDuPixel(800, premiers800[i]), i);
            QCOMPARE(indexDuPixel(640, premiers640[i]), i);
            const int dernier800 = i < 16 ? premiers800[i + 1] - 1 : 800;
            const int dernier640 = i < 16 ? premiers640[i + 1] - 1 : 800;
            QCOMPARE(indexDuPixel(800, dernier800), i);
            QCOMPARE(indexDuPixel(640, dernier640), i);
        }
        QCOMPARE(indexDuPixel(800, -3), 0);
        QCOMPARE(indexDuPixel(800, 1500), 16);
    }

    void depotSurUneCase() {
        Partie partie;
        preparer(partie, 800);
        DeposerJeton(partie, jeton, 10, 10);
        QCOMPARE(int(partie.plateau.grilleJeu()[1][1]), jeton);
        QCOMPARE(position(partie), QPoint(30, 30));
        // Let go on its own square again: it stays.
        DeposerJeton(partie, jeton, 40, 35);
        QCOMPARE(int(partie.plateau.grilleJeu()[1][1]), jeton);
        // Moved on: the first square is free again.
        DeposerJeton(partie, jeton, 464, 464);
        QCOMPARE(int(partie.plateau.grilleJeu()[1][1]), 0);
        QCOMPARE(int(partie.plateau.grilleJeu()[15][15]), jeton);

        Partie petite;
        preparer(petite, 640);
        DeposerJeton(petite, jeton, 372, 372);
        QCOMPARE(int(petite.plateau.grilleJeu()[15][15]), jeton);
        QCOMPARE(position(petite), QPoint(372, 372));
    }

    void depotHorsDuPlateau() {
        Partie partie;
        preparer(partie, 800);
        DeposerJeton(partie, jeton, 100, 100);
        DeposerJeton(partie, jeton, 5, 10);
        QCOMPARE(position(partie), auChevalet(partie));
        QCOMPARE(int(partie.plateau.grilleJeu()[3][3]), 0);

        DeposerJeton(partie, jeton, 100, 100);
        DeposerJeton(partie, jeton, 300, 560);
        QCOMPARE(position(partie), QPoint(300, 560));
        QCOMPARE(int(partie.plateau.grilleJeu()[3][3]), 0);

        DeposerJeton(partie, jeton, 490, 100);
        QCOMPARE(position(partie), auChevalet(partie));
    }

    void depotSurUneCasePrise() {
        Partie partie;
        preparer(partie, 800);
        partie.plateau.poser(60, 2, 2);
        partie.plateau.fixer(2, 2);
        partie.plateau.poser(61, 4, 4);
        DeposerJeton(partie, jeton, 61, 61);
        QCOMPARE(position(partie), auChevalet(partie));
        QCOMPARE(int(partie.plateau.grilleJeu()[2][2]), 60);
        DeposerJeton(partie, jeton, 123, 123);
        QCOMPARE(position(partie), auChevalet(partie));
        QCOMPARE(int(partie.plateau.grilleJeu()[4][4]), 61);
    }

    void texteDesCouleurs() {
        QCOMPARE(couleurDepuisTexte("clBtnFace"), std::optional<QColor>(QColor(236, 233, 216)));
        QCOMPARE(couleurDepuisTexte("$000000FF"), std::optional<QColor>(QColor(255, 0, 0)));
        QCOMPARE(couleurDepuisTexte("$00563412"), std::optional<QColor>(QColor(0x12, 0x34, 0x56)));
        QCOMPARE(couleurDepuisTexte("16711680"), std::optional<QColor>(QColor(0, 0, 255)));
        QVERIFY(!couleurDepuisTexte("bleu"));
        QVERIFY(!couleurDepuisTexte("$FF00000F"));
        QVERIFY(!couleurDepuisTexte(""));
        QCOMPARE(texteDeCouleur(QColor(236, 233, 216)), std::string("clBtnFace"));
        QCOMPARE(texteDeCouleur(QColor(255, 255, 255)), std::string("clWhite"));
        QCOMPARE(texteDeCouleur(QColor(0x12, 0x34, 0x56)), std::string("$00563412"));
        QCOMPARE(couleurDepuisTexte(texteDeCouleur(QColor(1, 2, 3))), std::optional<QColor>(QColor(1, 2, 3)));
    }

    void dispositionSelonLEcran() {
        QCOMPARE(disposerPourLargeur(640).mode, ModeEcran::m640);
        QCOMPARE(disposerPourLargeur(779).mode, ModeEcran::m640);
        QCOMPARE(disposerPourLargeur(800).mode, ModeEcran::m800);
        QCOMPARE(disposerPourLargeur(880).presentation, Presentation::pleinEcran);
        const OptionsProgramme grand = disposerPourLargeur(1024);
        QCOMPARE(grand.mode, ModeEcran::m800);
        QCOMPARE(grand.presentation, Presentation::fenetre820);
    }

    void agrandissementSelonLEcran() {
        const OptionsProgramme grand = disposerPourLargeur(1920);
        // The window takes at least three quarters of a full-HD screen's height, with
        // room left for its frame, and its shape stays the layout's.
        for (const QSize ecran : {QSize(1920, 1080), QSize(1920, 1040), QSize(3840, 2160)}) {
            const double facteur = agrandissementPour(grand, ecran, 1).fenetre;
            QVERIFY(tailleFenetre820.height() * facteur >= 0.75 * ecran.height());
            QVERIFY(tailleFenetre820.height() * facteur + 40 <= ecran.height());
            QVERIFY(tailleFenetre820.width() * facteur <= ecran.width());
        }
        QVERIFY(agrandissementPour(grand, QSize(3840, 2160), 1).fenetre > 2.5);
        // Twice the device pixels for the same logical screen: the same window on the
        // desk, its pictures drawn with twice the pixels.
        const Agrandissement hd = agrandissementPour(grand, QSize(1920, 1080), 1);
        const Agrandissement double_ = agrandissementPour(grand, QSize(1920, 1080), 2);
        QCOMPARE(double_.fenetre, hd.fenetre);
        QCOMPARE(double_.pixels, 2 * hd.pixels);
        // Never a shrink, and only the window of a large screen grows.
        QCOMPARE(agrandissementPour(grand, QSize(900, 700), 1).fenetre, 1.0);
        QCOMPARE(agrandissementPour(disposerPourLargeur(800), QSize(800, 600), 1).fenetre, 1.0);
        OptionsProgramme sans = grand;
        sans.agrandir = false;
        QCOMPARE(agrandissementPour(sans, QSize(3840, 2160), 2).fenetre, 1.0);
        QCOMPARE(agrandissementPour(sans, QSize(3840, 2160), 2).pixels, 2.0);
    }

    // The margins of an enlarged window whose shape the player changed keep its
    // colour, the one chosen since included.
    void margesALaCouleurDeLaFenetre() {
        QWidget fenetre;
        CadreAgrandi cadre(fenetre);
        QPalette palette = fenetre.palette();
        palette.setColor(QPalette::Window, QColor(10, 120, 30));
        fenetre.setPalette(palette);
        QCOMPARE(cadre.backgroundBrush().color(), QColor(10, 120, 30));
    }

    void tailleRetenue() {
        QTemporaryDir dossier;
        const std::filesystem::path d = dossier.path().toStdString();
        QVERIFY(!lireTailleFenetre(d));
        QVERIFY(ecrireTailleFenetre(d, QSize(1300, 1000)));
        QCOMPARE(lireTailleFenetre(d), std::optional<QSize>(QSize(1300, 1000)));
        for (const char* abime : {"1300", "1300 mille", "1300 1000 5", "-1 1000", ""}) {
            std::ofstream(d / std::string(nomFichierTailleFenetre)) << abime << "\r\n";
            QVERIFY2(!lireTailleFenetre(d), abime);
        }
        const QSize ecran(1920, 1040);
        const QSize calculee = tailleAOuvrir(std::nullopt, tailleFenetre820, 1.5, ecran);
        QCOMPARE(calculee, QSize(1230, 945));
        QCOMPARE(tailleAOuvrir(QSize(1000, 700), tailleFenetre820, 1.5, ecran), QSize(1000, 700));
        // Smaller than the window's natural size, or larger than a screen since changed.
        QCOMPARE(tailleAOuvrir(QSize(800, 700), tailleFenetre820, 1.5, ecran), calculee);
        QCOMPARE(tailleAOuvrir(QSize(2400, 1800), tailleFenetre820, 1.5, ecran), calculee);
    }

    void optionsDeLancement() {
        QTemporaryDir dossier;
        std::string erreur;
        qunsetenv("GLYPHANE_DOSSIER");
        qputenv("GLYPHANE_MODE", "640");
        auto options = lireOptions({"glyphane", "--dossier", "/tmp/ailleurs"}, 1280, dossier.path().toStdString(),
                                   erreur);
        QVERIFY(options.has_value());
        QCOMPARE(options->mode, ModeEcran::m640);
        QCOMPARE(options->presentation, Presentation::tailleFixe);
        QCOMPARE(options->dossier, std::filesystem::path("/tmp/ailleurs"));
        // An imposed layout keeps today's pixels, the large window included.
        QVERIFY(!options->agrandir);
        qputenv("GLYPHANE_MODE", "grand");
        QVERIFY(!lireOptions({"glyphane"}, 1920, dossier.path().toStdString(), erreur)->agrandir);
        qunsetenv("GLYPHANE_MODE");
        options = lireOptions({"glyphane"}, 1280, dossier.path().toStdString(), erreur);
        QCOMPARE(options->dossier, std::filesystem::path(dossier.path().toStdString()));
        QVERIFY(options->agrandir);
        QVERIFY(!lireOptions({"glyphane", "--sans-agrandissement"}, 1920, dossier.path().toStdString(), erreur)
                     ->agrandir);
        qputenv("GLYPHANE_AGRANDIR", "0");
        QVERIFY(!lireOptions({"glyphane"}, 1920, dossier.path().toStdString(), erreur)->agrandir);
        qunsetenv("GLYPHANE_AGRANDIR");
        QVERIFY(!lireOptions({"glyphane", "--inconnue"}, 1280, dossier.path().toStdString(), erreur));
        QVERIFY(!erreur.empty());
        // An empty name never stands for the current folder.
        QVERIFY(!lireOptions({"glyphane", "--dossier", ""}, 1280, dossier.path().toStdString(), erreur));
        qputenv("GLYPHANE_DOSSIER", "");
        options = lireOptions({"glyphane"}, 1280, dossier.path().toStdString(), erreur);
        QCOMPARE(options->dossier, std::filesystem::path(dossier.path().toStdString()));
        qunsetenv("GLYPHANE_DOSSIER");
        // A folder the program cannot write to sends it to the user's data folder.
        QVERIFY(dossierParDefaut("/inexistant/bin") != std::filesystem::path("/inexistant/bin"));
        // Installed, it keeps its files per user even where it could write.
        const std::filesystem::path prefixe = dossier.path().toStdString();
        std::filesystem::create_directories(prefixe / "bin");
        QCOMPARE(dossierParDefaut(prefixe / "bin"), prefixe / "bin");
        std::filesystem::create_directories(prefixe / "share" / "applications");
        std::ofstream(prefixe / "share" / "applications" / (std::string(idBureau) + ".desktop")) << "[Desktop Entry]\n";
        QCOMPARE(dossierParDefaut(prefixe / "bin"), dossierParDefaut("/inexistant/bin"));
    }

    // A pause on the window thread lets the window work meanwhile; elsewhere it
    // only sleeps.
    void pausesDuJeu() {
        CadenceFenetre cadence;
        bool minuterieTombee = false;
        QTimer::singleShot(10, [&] { minuterieTombee = true; });
        QElapsedTimer chrono;
        chrono.start();
        cadence.pause(std::chrono::milliseconds(60));
        QVERIFY(chrono.elapsed() >= 60);
        QVERIFY(minuterieTombee);

        std::chrono::steady_clock::duration duree{};
        std::thread fil([&] {
            const auto debut = std::chrono::steady_clock::now();
            cadence.pause(std::chrono::milliseconds(30));
            duree = std::chrono::steady_clock::now() - debut;
        });
        fil.join();
        QVERIFY(duree >= std::chrono::milliseconds(30));
    }

    void uneSeuleInstance() {
        QTemporaryDir dossier;
        InstanceUnique premiere(dossier.path());
        InstanceUnique seconde(dossier.path());
        QVERIFY(premiere.acquerir());
        QVERIFY(!seconde.acquerir());
    }

    void fondDuPlateau() {
        const QImage grand = dessinerFondPlateau(ModeEcran::m800);
        QCOMPARE(grand.size(), QSize(475, 475));
        QCOMPARE(dessinerFondPlateau(ModeEcran::m640).size(), QSize(386, 386));
        QCOMPARE(QColor(grand.pixel(0, 0)), QColor(Qt::black));
        QCOMPARE(QColor(grand.pixel(35, 100)), QColor(128, 128, 128));  // a grid line
        QCOMPARE(QColor(grand.pixel(140, 110)), QColor(192, 192, 192));  // D5, a plain square
        QCOMPARE(QColor(grand.pixel(225, 225)), QColor(253, 197, 197));  // the centre, double word
        QCOMPARE(QColor(grand.pixel(8 + 31 * 3, 8)), QColor(160, 255, 255));  // A4, double letter
    }

    void fondEnCache() {
        QTemporaryDir dossier;
        const std::filesystem::path chemin = dossier.path().toStdString();
        const QString fichier = QString::fromStdString(fichierFond(chemin, ModeEcran::m800).string());
        chargerFondPlateau(chemin, ModeEcran::m800, false);
        QVERIFY(QFile::exists(fichier));
        // A picture kept in the cache is read back as it is, unless told to redraw.
        QImage autre(475, 475, QImage::Format_RGB32);
        autre.fill(Qt::blue);
        autre.save(fichier, "BMP");
        QCOMPARE(QColor(chargerFondPlateau(chemin, ModeEcran::m800, false).pixel(140, 110)), QColor(Qt::blue));
        QCOMPARE(QColor(chargerFondPlateau(chemin, ModeEcran::m800, true).pixel(140, 110)), QColor(192, 192, 192));
        // A FIFO in its place is left alone rather than waited on.
        QVERIFY(QFile::remove(fichier) && mkfifo(qPrintable(fichier), 0600) == 0);
        QVERIFY(!chargerFondPlateau(chemin, ModeEcran::m800, false).isNull());
    }

    void facesDesJetons() {
        QCOMPARE(ressourceDeFace(ModeEcran::m800, 'a', false), QStringLiteral("A2"));
        QCOMPARE(ressourceDeFace(ModeEcran::m800, 'q', true), QStringLiteral("QQ"));
        QCOMPARE(ressourceDeFace(ModeEcran::m640, 'c', false), QStringLiteral("XXC"));
        QCOMPARE(ressourceDeFace(ModeEcran::m640, 'x', false), QStringLiteral("XX6"));
        QCOMPARE(ressourceDeFace(ModeEcran::m640, 'x', true), QStringLiteral("XXX6"));
        QCOMPARE(ressourceDeFace(ModeEcran::m640, 'g', true), QStringLiteral("G6"));
        QCOMPARE(fichierDeFace(ModeEcran::m640, 'b', true), std::string("640bb.bmp"));

        QTemporaryDir dossier;
        const std::filesystem::path chemin = dossier.path().toStdString();
        FacesJetons faces;
        faces.charger(chemin, ModeEcran::m640);
        QCOMPARE(faces.lettre('e').size(), QSize(24, 24));
        QCOMPARE(faces.face(jokerA, lettreInconnue).cacheKey(), faces.vide().cacheKey());
        QCOMPARE(faces.face(jokerA, 's').cacheKey(), faces.reference('s').cacheKey());
        QCOMPARE(faces.face(19, 's').cacheKey(), faces.lettre('s').cacheKey());
        QVERIFY(std::filesystem::exists(chemin / "640vide.bmp"));
        std::filesystem::remove(chemin / "640k.bmp");
        faces.charger(chemin, ModeEcran::m640);
        QVERIFY(std::filesystem::exists(chemin / "640k.bmp"));
        QCOMPARE(faces.lettre('k').size(), QSize(24, 24));
        std::filesystem::remove(chemin / "640k.bmp");
        QCOMPARE(mkfifo((chemin / "640k.bmp").c_str(), 0600), 0);
        faces.charger(chemin, ModeEcran::m640);
        QCOMPARE(faces.lettre('k').size(), QSize(24, 24));
    }

    // The program's pictures are its drawing at the layout's pixels, bit for bit;
    // where the window is enlarged, faces, board and lamp are drawn again for
    // the pixels they cover instead of being blown up.
    void dessinsALEchelle() {
        QFile police(QStringLiteral(":/LETTRES"));
        QVERIFY(police.open(QIODevice::ReadOnly));
        const DessinFaces dessin(police.readAll());
        auto pareilles = [](const QImage& a, const QImage& b) {
            return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
        };
        for (const ModeEcran mode : {ModeEcran::m800, ModeEcran::m640}) {
            for (char l = 'a'; l <= 'z'; ++l) {
                QVERIFY(pareilles(dessin.lettre(mode, l, 1), QImage(":/" + ressourceDeFace(mode, l, false))));
                QVERIFY(pareilles(dessin.reference(mode, l, 1), QImage(":/" + ressourceDeFace(mode, l, true))));
            }
            QVERIFY(pareilles(dessin.vide(mode, 1), QImage(":/" + ressourceFaceVide(mode))));
        }
        QCOMPARE(dessinerLed(true, 1), QImage(":/LedOn").convertToFormat(QImage::Format_ARGB32));

        QTemporaryDir dossier;
        FacesJetons faces;
        faces.charger(dossier.path().toStdString(), ModeEcran::m800);
        auto rendu = [](QWidget& w, double echelle) {
            QImage image((QSizeF(w.size()) * echelle).toSize(), QImage::Format_RGB32);
            QPainter p(&image);
            p.scale(echelle, echelle);
            w.render(&p);
            return image;
        };
        VignetteJeton vignette(5, nullptr);
        vignette.resize(29, 29);
        vignette.montrerFace(faces, 'e');
        QCOMPARE(rendu(vignette, 2), dessin.lettre(ModeEcran::m800, 'e', 2).convertToFormat(QImage::Format_RGB32));
        QVERIFY(pareilles(rendu(vignette, 1), faces.lettre('e').toImage()));
        PlateauDessine plateau(ModeEcran::m800, nullptr);
        plateau.poserFond(dessinerFondPlateau(ModeEcran::m800));
        QCOMPARE(rendu(plateau, 2), dessinerFondPlateau(ModeEcran::m800, 2));
        ImageAgrandie lampe(nullptr);
        lampe.resize(coteLed, coteLed);
        lampe.montrer(QPixmap(":/LedOn"), [](double echelle) { return dessinerLed(true, echelle); });
        QImage lampeAttendue(2 * coteLed, 2 * coteLed, QImage::Format_RGB32);
        lampeAttendue.fill(lampe.palette().window().color());
        QPainter(&lampeAttendue).drawImage(0, 0, dessinerLed(true, 2));
        QCOMPARE(rendu(lampe, 2), lampeAttendue);
        // Enlarged by a fraction, the strokes of the premium marks are all alike:
        // across row A, through the triple-word squares' upright strokes.
        const QImage fin = dessinerFondPlateau(ModeEcran::m800, 1.5);
        std::set<int> epaisseurs;
        int suite = 0;
        for (int x = 9; x < 700; ++x) {
            if (QColor(fin.pixel(x, 29)) == QColor(Qt::black)) {
                ++suite;
            } else if (suite > 0) {
                epaisseurs.insert(std::exchange(suite, 0));
            }
        }
        QCOMPARE(epaisseurs.size(), std::size_t{1});
    }

    // With both outline kinds on, only the suggestion's are drawn.
    void contoursDesCases() {
        PlateauDessine plateau(ModeEcran::m800, nullptr);
        plateau.poserFond(dessinerFondPlateau(ModeEcran::m800));
        Instantane instantane;
        instantane.grilleSuggestion[2][2] = true;
        instantane.grilleDernierCoup[5][5] = true;
        instantane.surlignageSuggestion = true;
        instantane.surlignageDernierCoup = true;
        plateau.montrer(instantane);
        QImage image = plateau.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb grisClair = qRgb(238, 238, 238);
        const QRgb jaune = qRgb(255, 255, 0);
        // Square B2's tile stands at (61, 61) on the window, 37 on the board.
        QCOMPARE(image.pixel(36, 50), grisClair);
        QCOMPARE(image.pixel(66, 50), grisClair);
        QCOMPARE(couleurs(image, jaune), 0);

        instantane.surlignageSuggestion = false;
        plateau.montrer(instantane);
        image = plateau.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(couleurs(image, grisClair), 0);
        QCOMPARE(image.pixel(129, 140), jaune);
    }

    // The letters already on the board in red, a click telling its line.
    void listeDesMots() {
        MemoMots memo(QStringLiteral("memo1"), nullptr);
        memo.resize(205, 191);
        memo.montrerLignes({{"ami             12  H8", {false, true, false}}, {"la              4   8H", {}}});
        QCOMPARE(memo.document()->blockCount(), 2);
        const QTextBlock premier = memo.document()->firstBlock();
        QCOMPARE(premier.text(), QStringLiteral("ami             12  H8"));
        const auto couleurA = [&](int position) {
            QTextCursor curseur(memo.document());
            curseur.setPosition(position + 1);
            return curseur.charFormat().foreground().color();
        };
        QCOMPARE(couleurA(0), QColor(Qt::black));
        QCOMPARE(couleurA(1), QColor(Qt::red));
        QCOMPARE(couleurA(2), QColor(Qt::black));
        // Lines added by a search go after those shown.
        memo.montrerLignes({{"ami             12  H8", {false, true, false}}, {"la              4   8H", {}},
                            {"as              2   H7", {}}});
        QCOMPARE(memo.document()->blockCount(), 3);

        memo.show();
        QSignalSpy clics(&memo, &MemoMots::ligneCliquee);
        const QRect ligne2 = memo.cursorRect(QTextCursor(memo.document()->findBlockByNumber(1)));
        QTest::mouseClick(memo.viewport(), Qt::LeftButton, {}, ligne2.center());
        // An empty list names no move, whatever the last search found.
        memo.montrerLignes({});
        QTest::mouseClick(memo.viewport(), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(clics.count(), 2);
        QCOMPARE(clics.at(0).at(0).toInt(), 1);
        QCOMPARE(clics.at(1).at(0).toInt(), -1);
    }

    // Steps of 10 or 7 pixels that stop short of the layout's edges; the keypad
    // moves with or without Num Lock, 5 and 0 not at all.
    void pasDuCurseur() {
        const auto pas = [](int touche, Qt::KeyboardModifiers m, QPoint depart, ModeEcran mode) {
            const auto direction = directionDeTouche(touche, m);
            return direction ? avancer(depart, *direction, mode) : QPoint(-1, -1);
        };
        QCOMPARE(pas(Qt::Key_Left, {}, {300, 300}, ModeEcran::m800), QPoint(290, 300));
        QCOMPARE(pas(Qt::Key_9, Qt::KeypadModifier, {300, 300}, ModeEcran::m640), QPoint(307, 293));
        QCOMPARE(pas(Qt::Key_End, Qt::KeypadModifier, {300, 300}, ModeEcran::m800), QPoint(290, 310));
        QCOMPARE(pas(Qt::Key_Left, {}, {10, 5}, ModeEcran::m800), QPoint(10, 5));
        QCOMPARE(pas(Qt::Key_Up, {}, {11, 11}, ModeEcran::m800), QPoint(11, 1));
        QCOMPARE(pas(Qt::Key_3, Qt::KeypadModifier, {593, 473}, ModeEcran::m640), QPoint(593, 473));
        QCOMPARE(pas(Qt::Key_3, Qt::KeypadModifier, {592, 472}, ModeEcran::m640), QPoint(599, 479));
        QCOMPARE(pas(Qt::Key_Right, {}, {790, 589}, ModeEcran::m800), QPoint(790, 589));
        QCOMPARE(pas(Qt::Key_Down, {}, {789, 590}, ModeEcran::m800), QPoint(789, 590));
        QCOMPARE(pas(Qt::Key_5, Qt::KeypadModifier, {300, 300}, ModeEcran::m800), QPoint(-1, -1));
        QCOMPARE(pas(Qt::Key_0, Qt::KeypadModifier, {300, 300}, ModeEcran::m800), QPoint(-1, -1));
        QCOMPARE(pas(Qt::Key_8, {}, {300, 300}, ModeEcran::m800), QPoint(-1, -1));
        QCOMPARE(chiffreDuPave(Qt::Key_Clear, Qt::KeypadModifier), 5);
        QCOMPARE(chiffreDuPave(Qt::Key_Up, {}), -1);
    }
};

QTEST_MAIN(TestPieces)
#include "pieces_test.moc"
