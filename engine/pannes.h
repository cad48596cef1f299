#pragma once
#include <exception>
#include <string_view>

#include "engine/vue.h"

// What a catch does with a failure it survives but that the game has no answer
// for: it is reported through the view, with where it was caught. Running out of
// memory or of threads, or a system call refused, may happen to a sound program
// on a starved machine. Anything else that reaches the last catch of a worker
// thread is a fault of the program: a debug build stops there.
namespace glyphane {

void signalerPanne(Vue& vue, std::string_view lieu, const std::exception& panne);

// An exception of no standard type: always a fault.
void signalerPanneInconnue(Vue& vue, std::string_view lieu);

}  // namespace glyphane
