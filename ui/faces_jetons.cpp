#include "ui/faces_jetons.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>

#include "engine/jetons.h"
#include "ui/echelle_peinture.h"

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

QByteArray policeDesFaces() {
    QFile police(QStringLiteral(":/LETTRES"));
    return police.open(QIODevice::ReadOnly) ? police.readAll() : QByteArray();
}

void FacesJetons::charger(const std::filesystem::path& dossierProgramme, ModeEcran mode) {
    for (char l = 'a'; l <= 'z'; ++l) {
        exactes.lettres[indice(l)] =
            chargerFace(dossierProgramme, fichierDeFace(mode, l, false), ressourceDeFace(mode, l, false));
        exactes.references[indice(l)] =
            chargerFace(dossierProgramme, fichierDeFace(mode, l, true), ressourceDeFace(mode, l, true));
    }
    exactes.vide = chargerFace(dossierProgramme, fichierFaceVide(mode), ressourceFaceVide(mode));
    modeCharge = mode;
    echelleDessinee = 0;
    dessin.emplace(policeDesFaces());
}

const QPixmap& FacesJetons::face(int jeton, char lettre) const { return exactes.face(jeton, lettre); }

const QPixmap& FacesJetons::face(int jeton, char lettre, double echelle) const {
    // Without its font the program still shows the pictures it has, enlarged.
    if (memeEchelle(echelle, 1) || !dessin || !dessin->valide()) return face(jeton, lettre);
    if (!memeEchelle(echelle, echelleDessinee)) redessiner(echelle);
    return dessinees.face(jeton, lettre);
}

const QPixmap& FacesJetons::Jeu::face(int jeton, char lettre) const {
    if (lettre < 'a' || lettre > 'z') return vide;
    return estJoker(jeton) ? references[indice(lettre)] : lettres[indice(lettre)];
}

void FacesJetons::redessiner(double echelle) const {
    auto pixmap = [echelle](const QImage& image) {
        QPixmap p = QPixmap::fromImage(image);
        p.setDevicePixelRatio(echelle);
        return p;
    };
    for (char l = 'a'; l <= 'z'; ++l) {
        dessinees.lettres[indice(l)] = pixmap(dessin->lettre(modeCharge, l, echelle));
        dessinees.references[indice(l)] = pixmap(dessin->reference(modeCharge, l, echelle));
    }
    dessinees.vide = pixmap(dessin->vide(modeCharge, echelle));
    echelleDessinee = echelle;
}

std::size_t FacesJetons::indice(char l) {
    return l >= 'a' && l <= 'z' ? static_cast<std::size_t>(l - 'a') : 0;
}

}  // namespace glyphane::ui
