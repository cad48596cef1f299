#pragma once
#include <QPixmap>
#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "ui/dessin_faces.h"
#include "ui/mode_ecran.h"

// The 53 pictures a tile can show in one layout: the 26 letter faces, the 26
// reference faces a blank takes once its letter is chosen, and the empty face of
// a blank without a letter. Each is read from its cache file beside the program,
// else from the program's own pictures, which then fill the cache.
namespace glyphane::ui {

inline constexpr int nbLettres = 26;

// The program's own picture ("A2", "XXA"...) and the cache file ("a.bmp",
// "640a.bmp"...) of a face; `lettre` 'a'..'z', `reference` for a blank's face.
QString ressourceDeFace(ModeEcran mode, char lettre, bool reference);
QString ressourceFaceVide(ModeEcran mode);
std::string fichierDeFace(ModeEcran mode, char lettre, bool reference);
std::string fichierFaceVide(ModeEcran mode);

// The bytes of the letters' font the program carries, to draw the faces again.
QByteArray policeDesFaces();

class FacesJetons {
public:
    void charger(const std::filesystem::path& dossierProgramme, ModeEcran mode);

    const QPixmap& lettre(char l) const { return exactes.lettres[indice(l)]; }
    const QPixmap& reference(char l) const { return exactes.references[indice(l)]; }
    const QPixmap& vide() const { return exactes.vide; }

    // What tile `jeton` shows when its letter is `lettre`: a blank without a
    // letter shows the empty face, with one the reference face.
    const QPixmap& face(int jeton, char lettre) const;
    // The same face for a painter that covers `echelle` device pixels with one of
    // the layout's: the pictures above at 1, else the faces drawn again for that
    // many pixels, kept until another scale is asked for.
    const QPixmap& face(int jeton, char lettre, double echelle) const;

private:
    static std::size_t indice(char l);

    struct Jeu {
        std::array<QPixmap, nbLettres> lettres;
        std::array<QPixmap, nbLettres> references;
        QPixmap vide;
        const QPixmap& face(int jeton, char lettre) const;
    };
    void redessiner(double echelle) const;

    ModeEcran modeCharge = ModeEcran::m800;
    Jeu exactes;
    std::optional<DessinFaces> dessin;
    mutable double echelleDessinee = 0;
    mutable Jeu dessinees;
};

}  // namespace glyphane::ui
