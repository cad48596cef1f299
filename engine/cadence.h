#pragma once
#include <chrono>
#include <thread>

namespace glyphane {

// Every pause of the game goes through here: the program really waits (so that a
// player sees tiles drawn and moves laid down), tests and benchmarks do not.
class Cadence {
public:
    virtual ~Cadence() = default;
    virtual void pause(std::chrono::milliseconds duree) = 0;
};

class CadenceReelle final : public Cadence {
public:
    void pause(std::chrono::milliseconds duree) override { std::this_thread::sleep_for(duree); }
};

class CadenceNulle final : public Cadence {
public:
    void pause(std::chrono::milliseconds) override {}
};

}  // namespace glyphane
