#include "ui/options_programme.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

namespace glyphane::ui {

namespace {

constexpr int largeurMax640 = 780;
constexpr int largeurMax800 = 880;
// The share of the screen's free area the enlarged window may take.
constexpr double partEcran = 0.85;

std::filesystem::path dossierUtilisateurGlyphane() {
    const QString donnees = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return std::filesystem::path(donnees.toStdString()) / "glyphane";
}

std::optional<OptionsProgramme> modeImpose(const QString& valeur) {
    OptionsProgramme options;
    options.presentation = Presentation::tailleFixe;
    options.agrandir = false;
    if (valeur == QStringLiteral("640")) {
        options.mode = ModeEcran::m640;
    } else if (valeur == QStringLiteral("800")) {
        options.mode = ModeEcran::m800;
    } else if (valeur == QStringLiteral("grand")) {
        options.presentation = Presentation::fenetre820;
    } else {
        return std::nullopt;
    }
    return options;
}

}  // namespace

OptionsProgramme disposerPourLargeur(int largeurEcran) {
    OptionsProgramme options;
    if (largeurEcran < largeurMax640) {
        options.mode = ModeEcran::m640;
    } else if (largeurEcran > largeurMax800) {
        options.presentation = Presentation::fenetre820;
    }
    return options;
}

Agrandissement agrandissementPour(const OptionsProgramme& options, QSize ecranDisponible, double ratioPixels) {
    Agrandissement agrandissement;
    if (options.agrandir && options.presentation == Presentation::fenetre820) {
        const double selonLargeur = partEcran * ecranDisponible.width() / tailleFenetre820.width();
        const double selonHauteur = partEcran * ecranDisponible.height() / tailleFenetre820.height();
        agrandissement.fenetre = std::max(1.0, std::min(selonLargeur, selonHauteur));
    }
    agrandissement.pixels = agrandissement.fenetre * ratioPixels;
    return agrandissement;
}

bool programmeInstalle(const std::filesystem::path& dossierExecutable) {
    std::error_code erreur;
    const std::filesystem::path entree =
        dossierExecutable / ".." / "share" / "applications" / (std::string(idBureau) + ".desktop");
    return std::filesystem::is_regular_file(entree, erreur);
}

std::filesystem::path dossierParDefaut(const std::filesystem::path& dossierExecutable) {
    if (dossierExecutable.empty() || programmeInstalle(dossierExecutable)) return dossierUtilisateurGlyphane();
    const QFileInfo info(QString::fromStdString(dossierExecutable.string()));
    return info.isDir() && info.isWritable() ? dossierExecutable : dossierUtilisateurGlyphane();
}

std::optional<OptionsProgramme> lireOptions(const QStringList& arguments, int largeurEcran,
                                            const std::filesystem::path& dossierExecutable, std::string& erreur) {
    OptionsProgramme options = disposerPourLargeur(largeurEcran);
    if (const QString mode = qEnvironmentVariable("GLYPHANE_MODE"); !mode.isEmpty()) {
        const std::optional<OptionsProgramme> impose = modeImpose(mode);
        if (!impose) {
            erreur = "GLYPHANE_MODE vaut 640, 800 ou grand";
            return std::nullopt;
        }
        options = *impose;
    }
    if (qEnvironmentVariable("GLYPHANE_AGRANDIR") == QStringLiteral("0")) options.agrandir = false;
    options.dossier = dossierParDefaut(dossierExecutable);
    if (const QString dossier = qEnvironmentVariable("GLYPHANE_DOSSIER"); !dossier.isEmpty()) {
        options.dossier = dossier.toStdString();
    }
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        // An empty name would mean the current folder, wherever the program was started.
        if (arguments[i] == QStringLiteral("--dossier") && i + 1 < arguments.size() && !arguments[i + 1].isEmpty()) {
            options.dossier = arguments[++i].toStdString();
        } else if (arguments[i] == QStringLiteral("--sans-agrandissement")) {
            options.agrandir = false;
        } else {
            erreur = "usage : glyphane [--dossier DOSSIER] [--sans-agrandissement]";
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace glyphane::ui
