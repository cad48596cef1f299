#include "ui/faces_jetons.h"

#include <QFileInfo>
#include <QImage>

#include "engine/jetons.h"

namespace glyphane::ui {

namespace {

QString majuscule(char lettre) { return QString(QChar(lettre - 'a' + 'A')); }

QString ressource800(char lettre, bool reference) {
    if (reference) return majuscule(lettre) + majuscule(lettre);
    return lettre == 'a' ? QStringLiteral("A2") : majuscule(lettre);
}

// The small layout's names are irregular where a regular one would clash with
// another picture.
QString ressource640(char lettre, bool reference) {
    if (reference) return lettre == 'x' ? QStringLiteral("XXX6") : majuscule(lettre) + "6";
    if (lettre <= 'f') return "XX" + majuscule(lettre);
    return lettre == 'x' ? QStringLiteral("XX6") : "X" + majuscule(lettre);
}

QString chemin(const std::filesystem::path& fichier) { return QString::fromStdString(fichier.string()); }

// The cache file when it holds a picture, else the program's own, which is then
// written to the cache; a cache that cannot be written is no loss.
QPixmap chargerFace(const std::filesystem::path& dossier, const std::string& fichier, const QString& ressource) {
    const QString cache = chemin(dossier / fichier);
    // A FIFO of that name would hold the start-up, waiting for a writer or a
    // reader: only a regular file is opened.
    const QFileInfo existant(cache);
    QImage image;
    if (existant.isFile() && image.load(cache, "BMP")) return QPixmap::fromImage(image);
    image.load(":/" + ressource, "BMP");
    if (!existant.exists() || existant.isFile()) image.save(cache, "BMP");
    return QPixmap::fromImage(image);
}

}  // namespace

QString ressourceDeFace(ModeEcran mode, char lettre, bool reference) {
    return mode == ModeEcran::m640 ? ressource640(lettre, reference) : ressource800(lettre, reference);
}

QString ressourceFaceVide(ModeEcran mode) { return selonMode(mode, QStringLiteral("VIDE"), QStringLiteral("XVIDE")); }

std::string fichierDeFace(ModeEcran mode, char lettre, bool reference) {
    const std::string nom = reference ? std::string(2, lettre) : std::string(1, lettre);
    return selonMode<std::string>(mode, "", "640") + nom + ".bmp";
}

std::string fichierFaceVide(ModeEcran mode) { return selonMode<std::string>(mode, "", "640") + "vide.bmp"; }

void FacesJetons::charger(const std::filesystem::path& dossierProgramme, ModeEcran mode) {
    for (char l = 'a'; l <= 'z'; ++l) {
        lettres[indice(l)] = chargerFace(dossierProgramme, fichierDeFace(mode, l, false), ressourceDeFace(mode, l, false));
        references[indice(l)] =
            chargerFace(dossierProgramme, fichierDeFace(mode, l, true), ressourceDeFace(mode, l, true));
    }
    faceVide = chargerFace(dossierProgramme, fichierFaceVide(mode), ressourceFaceVide(mode));
}

const QPixmap& FacesJetons::face(int jeton, char lettre) const {
    if (lettre < 'a' || lettre > 'z') return faceVide;
    return estJoker(jeton) ? reference(lettre) : this->lettre(lettre);
}

std::size_t FacesJetons::indice(char l) {
    return l >= 'a' && l <= 'z' ? static_cast<std::size_t>(l - 'a') : 0;
}

}  // namespace glyphane::ui
