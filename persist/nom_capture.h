#pragma once
#include <string>
#include <string_view>

// The file names of screen captures: which ones are written, and the question
// asked before one is replaced.
namespace glyphane {

// Only a name ending in exactly "bmp" is written; ".BMP" is not.
bool NomDeCaptureAccepte(std::string_view nom);

// The question before an existing capture is replaced: the name, on two lines
// past 22 characters (the box is narrow), then "... existe déjà.". A name is
// UTF-8 and is cut between characters, never inside one.
std::string QuestionRemplacerCapture(std::string_view nom);

}  // namespace glyphane
