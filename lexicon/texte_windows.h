#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The program's text files are 8-bit Windows-1252 with CR LF line ends, so that they
// can be exchanged with players on other systems. Inside the program every text is
// UTF-8; these helpers convert at the file boundary.
namespace glyphane::texte {

inline constexpr std::size_t longueurLigneMax = 255;

// Far beyond any word list a player keeps: a larger file is something else (a
// runaway log, a link to a device) and is treated as unreadable.
inline constexpr std::uintmax_t tailleTexteMax = 64 * 1024 * 1024;

// The bytes of a regular file (or of a link to one) of at most tailleMax bytes.
// Nothing for a missing or unreadable file, a larger one, a folder, a FIFO or a
// device: those are never opened, so that reading can neither block nor run on.
std::optional<std::string> lireOctets(const std::filesystem::path& fichier, std::uintmax_t tailleMax);

// Lines of the file as raw Windows-1252 bytes, without their CR LF (or LF alone);
// a longer line keeps its first 255 bytes. Nothing when the file cannot be read
// as above, with tailleTexteMax as its limit.
std::optional<std::vector<std::string>> lireLignes(const std::filesystem::path& fichier);

// Replaces the file with these raw lines, each ended by CR LF. Like the two below,
// false without opening it when the name holds something else than a regular file.
bool ecrireLignes(const std::filesystem::path& fichier, const std::vector<std::string>& lignes);
bool ajouterLigne(const std::filesystem::path& fichier, std::string_view ligne);
bool creerVide(const std::filesystem::path& fichier);

// UTF-8 to Windows-1252; a character the code page lacks becomes "?".
std::string versWindows1252(std::string_view utf8);
std::string depuisWindows1252(std::string_view octets);

// The first n characters of UTF-8 text, never cutting one in two.
std::string premiersCaracteres(std::string_view utf8, std::size_t n);

// The ASCII capitals A..Z become lowercase; every other byte is left alone.
std::string minusculesAscii(std::string_view ligne);

}  // namespace glyphane::texte
