#include "ui/couleur_fond.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>

#include "lexicon/fichiers_recherche.h"
#include "lexicon/texte_windows.h"

namespace glyphane::ui {

namespace {

struct CouleurNommee {
    std::string_view nom;
    std::uint32_t bbggrr;
};

// The names a colour file may hold; the face colour of buttons stands for the
// window's own default.
constexpr std::array<CouleurNommee, 21> couleursNommees = {{
    {"clBtnFace", 0xD8E9EC},  {"clBlack", 0x000000},   {"clMaroon", 0x000080},   {"clGreen", 0x008000},
    {"clOlive", 0x008080},    {"clNavy", 0x800000},    {"clPurple", 0x800080},   {"clTeal", 0x808000},
    {"clGray", 0x808080},     {"clSilver", 0xC0C0C0},  {"clRed", 0x0000FF},      {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},   {"clBlue", 0xFF0000},    {"clFuchsia", 0xFF00FF},  {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},    {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6}, {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
}};

std::uint32_t versBbggrr(const QColor& couleur) {
    return static_cast<std::uint32_t>(couleur.red()) | static_cast<std::uint32_t>(couleur.green()) << 8 |
           static_cast<std::uint32_t>(couleur.blue()) << 16;
}

std::optional<std::uint32_t> lireNombre(std::string_view chiffres, int base) {
    std::uint32_t valeur = 0;
    const auto [fin, erreur] = std::from_chars(chiffres.data(), chiffres.data() + chiffres.size(), valeur, base);
    if (chiffres.empty() || erreur != std::errc{} || fin != chiffres.data() + chiffres.size()) return std::nullopt;
    return valeur;
}

}  // namespace

QColor couleurDepuisBbggrr(std::uint32_t valeur) {
    return QColor(static_cast<int>(valeur & 0xFF), static_cast<int>((valeur >> 8) & 0xFF),
                  static_cast<int>((valeur >> 16) & 0xFF));
}

QColor couleurParDefaut() { return couleurDepuisBbggrr(couleursNommees[0].bbggrr); }

std::optional<QColor> couleurDepuisTexte(std::string_view texte) {
    for (const CouleurNommee& nommee : couleursNommees) {
        if (nommee.nom == texte) return couleurDepuisBbggrr(nommee.bbggrr);
    }
    const bool hexadecimal = !texte.empty() && texte.front() == '$';
    const std::optional<std::uint32_t> valeur =
        hexadecimal ? lireNombre(texte.substr(1), 16) : lireNombre(texte, 10);
    // A high byte names one of the system's palette entries, which this
    // platform does not have.
    if (!valeur || (*valeur >> 24) != 0) return std::nullopt;
    return couleurDepuisBbggrr(*valeur);
}

std::string texteDeCouleur(const QColor& couleur) {
    const std::uint32_t valeur = versBbggrr(couleur);
    for (const CouleurNommee& nommee : couleursNommees) {
        if (nommee.bbggrr == valeur) return std::string(nommee.nom);
    }
    std::array<char, 9> chiffres{};
    std::snprintf(chiffres.data(), chiffres.size(), "%08X", static_cast<unsigned>(valeur));
    return "$" + std::string(chiffres.data());
}

bool ecrireFichierCouleur(const std::filesystem::path& dossierProgramme, const QColor& couleur) {
    const std::filesystem::path fichier =
        dossierProgramme / std::string(dossierRecherches) / std::string(nomFichierCouleur);
    return texte::ecrireLignes(fichier, {texteDeCouleur(couleur)});
}

}  // namespace glyphane::ui
