#include "persist/nom_capture.h"

#include "engine/messages.h"

namespace glyphane {

namespace {

constexpr std::size_t caracteresParLigne = 22;

bool suiteUtf8(char octet) { return (static_cast<unsigned char>(octet) & 0xC0) == 0x80; }

// Where the first `n` characters end, in bytes; npos when the text is not longer.
std::size_t finDesCaracteres(std::string_view texte, std::size_t n) {
    std::size_t caracteres = 0;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (suiteUtf8(texte[i])) continue;
        if (caracteres == n) return i;
        ++caracteres;
    }
    return std::string_view::npos;
}

}  // namespace

bool NomDeCaptureAccepte(std::string_view nom) { return nom.ends_with("bmp"); }

std::string QuestionRemplacerCapture(std::string_view nom) {
    std::string texte(nom);
    const std::size_t coupure = finDesCaracteres(nom, caracteresParLigne);
    if (coupure != std::string_view::npos) texte.insert(coupure, 1, ',');
    return texte + std::string(messages::existeDeja);
}

}  // namespace glyphane
