#pragma once
#include <QLockFile>
#include <QString>
#include <memory>

// Only one copy of the program runs at a time: the first holds a lock named
// after the program, and a second start finds it taken.
namespace glyphane::ui {

class InstanceUnique {
public:
    // The lock lies in the user's runtime folder unless told where.
    explicit InstanceUnique(const QString& dossier = {});
    // False when another copy of the program holds the lock.
    bool acquerir();

private:
    std::unique_ptr<QLockFile> verrou;
};

}  // namespace glyphane::ui
