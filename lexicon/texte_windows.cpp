#include "lexicon/texte_windows.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <system_error>

namespace glyphane::texte {

namespace {

// Code points of bytes 0x80..0x9F in Windows-1252; 0 marks the five unused bytes.
constexpr std::array<char32_t, 32> zone80 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t pointDeCode(std::uint8_t octet) {
    if (octet >= 0x80 && octet < 0xA0) {
        const char32_t c = zone80[octet - 0x80u];
        return c != 0 ? c : octet;
    }
    return octet;
}

char octetPour(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    if (c < 0xA0 && zone80[c - 0x80] == 0) return static_cast<char>(c);
    for (std::size_t i = 0; i < zone80.size(); ++i) {
        if (zone80[i] == c) return static_cast<char>(0x80 + i);
    }
    return '?';
}

void ajouterUtf8(std::string& sortie, char32_t c) {
    if (c < 0x80) {
        sortie.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        sortie.push_back(static_cast<char>(0xC0 | (c >> 6)));
        sortie.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        sortie.push_back(static_cast<char>(0xE0 | (c >> 12)));
        sortie.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        sortie.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Reads one UTF-8 sequence at i; a malformed byte stands for itself (Latin-1), so
// that text typed in another encoding is not lost.
char32_t lireUtf8(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<std::uint8_t>(s[i]);
    std::size_t suite = b0 >= 0xF0 ? 3 : b0 >= 0xE0 ? 2 : b0 >= 0xC0 ? 1 : 0;
    if (b0 < 0x80 || suite == 0 || i + suite >= s.size()) {
        ++i;
        return b0;
    }
    char32_t c = b0 & (0x3F >> suite);
    for (std::size_t k = 1; k <= suite; ++k) {
        const auto b = static_cast<std::uint8_t>(s[i + k]);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return b0;
        }
        c = (c << 6) | (b & 0x3F);
    }
    i += suite + 1;
    return c;
}

// Only a regular file, or none yet, is opened: opening a FIFO would wait for a
// reader, and a device is no place for a list. The stream left closed fails.
std::ofstream ouvrirEnEcriture(const std::filesystem::path& fichier, std::ios::openmode mode) {
    std::error_code erreur;
    const std::filesystem::file_type type = std::filesystem::status(fichier, erreur).type();
    std::ofstream sortie;
    if (type == std::filesystem::file_type::not_found || type == std::filesystem::file_type::regular) {
        sortie.open(fichier, std::ios::binary | mode);
    }
    return sortie;
}

}  // namespace

std::optional<std::string> lireOctets(const std::filesystem::path& fichier, std::uintmax_t tailleMax) {
    std::error_code erreur;
    // The type is checked before opening: opening a FIFO would wait for a writer.
    if (!std::filesystem::is_regular_file(fichier, erreur)) return std::nullopt;
    const std::uintmax_t taille = std::filesystem::file_size(fichier, erreur);
    if (erreur || taille > tailleMax) return std::nullopt;
    std::ifstream entree(fichier, std::ios::binary);
    if (!entree) return std::nullopt;
    std::string contenu;
    contenu.reserve(static_cast<std::size_t>(taille));
    std::array<char, 64 * 1024> bloc{};
    // The file may grow while it is read; the limit holds all the same.
    while (contenu.size() <= tailleMax) {
        entree.read(bloc.data(), static_cast<std::streamsize>(bloc.size()));
        contenu.append(bloc.data(), static_cast<std::size_t>(entree.gcount()));
        if (!entree) break;
    }
    if (entree.bad() || contenu.size() > tailleMax) return std::nullopt;
    return contenu;
}

std::optional<std::vector<std::string>> lireLignes(const std::filesystem::path& fichier) {
    const std::optional<std::string> lu = lireOctets(fichier, tailleTexteMax);
    if (!lu) return std::nullopt;
    const std::string& contenu = *lu;
    std::vector<std::string> lignes;
    std::size_t debut = 0;
    while (debut < contenu.size()) {
        std::size_t fin = contenu.find('\n', debut);
        const std::size_t suivant = fin == std::string::npos ? contenu.size() : fin + 1;
        if (fin == std::string::npos) fin = contenu.size();
        if (fin > debut && contenu[fin - 1] == '\r') --fin;
        lignes.push_back(contenu.substr(debut, std::min(fin - debut, longueurLigneMax)));
        debut = suivant;
    }
    return lignes;
}

bool ecrireLignes(const std::filesystem::path& fichier, const std::vector<std::string>& lignes) {
    std::ofstream sortie = ouvrirEnEcriture(fichier, std::ios::trunc);
    for (const std::string& ligne : lignes) sortie << ligne << "\r\n";
    sortie.close();
    return static_cast<bool>(sortie);
}

bool ajouterLigne(const std::filesystem::path& fichier, std::string_view ligne) {
    std::ofstream sortie = ouvrirEnEcriture(fichier, std::ios::app);
    sortie << ligne << "\r\n";
    sortie.close();
    return static_cast<bool>(sortie);
}

bool creerVide(const std::filesystem::path& fichier) {
    std::ofstream sortie = ouvrirEnEcriture(fichier, std::ios::trunc);
    sortie.close();
    return static_cast<bool>(sortie);
}

std::string versWindows1252(std::string_view utf8) {
    std::string sortie;
    sortie.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) sortie.push_back(octetPour(lireUtf8(utf8, i)));
    return sortie;
}

std::string depuisWindows1252(std::string_view octets) {
    std::string sortie;
    sortie.reserve(octets.size());
    for (const char c : octets) ajouterUtf8(sortie, pointDeCode(static_cast<std::uint8_t>(c)));
    return sortie;
}

std::string premiersCaracteres(std::string_view utf8, std::size_t n) {
    std::size_t caracteres = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const bool debutDeCaractere = (static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80;
        if (debutDeCaractere && ++caracteres > n) return std::string(utf8.substr(0, i));
    }
    return std::string(utf8);
}

std::string minusculesAscii(std::string_view ligne) {
    std::string sortie(ligne);
    for (char& c : sortie) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return sortie;
}

}  // namespace glyphane::texte
