#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>
#include <iostream>

#include "ui/cadre_agrandi.h"
#include "ui/ecran_demarrage.h"
#include "ui/fenetre_principale.h"
#include "ui/instance_unique.h"
#include "ui/options_programme.h"
#include "ui/programme.h"
#include "ui/quand_placee.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    Q_INIT_RESOURCE(ui);
    QApplication::setApplicationName(QStringLiteral("glyphane"));
    // The desktop matches the window to its menu entry, and shows its icon.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(glyphane::ui::idBureau.data(),
                                                          static_cast<qsizetype>(glyphane::ui::idBureau.size())));
    QIcon icone;
    for (const char* taille : {"16", "32", "48", "256"}) icone.addFile(QStringLiteral(":/icone") + QLatin1String(taille));
    QApplication::setWindowIcon(icone);
    // The toolkit's own dialogs (files, printer, colours) speak French like the
    // rest of the game, whatever the system's language.
    QTranslator traductionQt;
    if (traductionQt.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&traductionQt);
    }

    glyphane::ui::InstanceUnique instance;
    if (!instance.acquerir()) return 0;

    std::string erreur;
    const QScreen* ecran = QGuiApplication::primaryScreen();
    const int largeur = ecran != nullptr ? ecran->geometry().width() : 1024;
    const auto options = glyphane::ui::lireOptions(QApplication::arguments(), largeur,
                                                   QApplication::applicationDirPath().toStdString(), erreur);
    if (!options) {
        std::cerr << "glyphane : " << erreur << '\n';
        return 2;
    }

    glyphane::ui::EcranDemarrage demarrage(options->mode);
    demarrage.montrerMaintenant();
    glyphane::ui::Programme programme(*options);
    if (!programme.demarrer(&demarrage)) {
        std::cerr << "glyphane : " << programme.raisonEchec() << '\n';
        return 1;
    }
    programme.montrer();
    programme.fenetre().repaint();
    demarrage.close();
    // The question stands over the window: asked once the window is where it stays.
    glyphane::ui::quandPlacee(glyphane::ui::fenetreAffichee(programme.fenetre()),
                              [&programme] { programme.proposerReprise(); });
    return QApplication::exec();
}
