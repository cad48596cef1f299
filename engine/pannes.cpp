#include "engine/pannes.h"

#include <cassert>
#include <new>
#include <string>
#include <system_error>

namespace glyphane {

namespace {

// std::filesystem::filesystem_error and std::ios_base::failure are system errors.
bool panneDuSysteme(const std::exception& panne) {
    return dynamic_cast<const std::bad_alloc*>(&panne) != nullptr ||
           dynamic_cast<const std::system_error*>(&panne) != nullptr;
}

}  // namespace

void signalerPanne(Vue& vue, std::string_view lieu, const std::exception& panne) {
    const bool systeme = panneDuSysteme(panne);
    vue.SignalerPanne(std::string(lieu) + " : " + panne.what() + (systeme ? "" : " (faute du programme)"));
    assert(systeme && "a fault of the program reached the last catch of a worker");
}

void signalerPanneInconnue(Vue& vue, std::string_view lieu) {
    vue.SignalerPanne(std::string(lieu) + " : exception inconnue (faute du programme)");
    assert(false && "an exception of no standard type reached the last catch of a worker");
}

}  // namespace glyphane
