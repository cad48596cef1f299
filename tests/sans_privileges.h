#pragma once
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace glyphane::test {

// Runs the check as an ordinary user. Root ignores file permissions, so a test of
// a read-only folder would prove nothing when the suite runs as root: the check
// then runs in a child process that gave up root first.
inline bool sansPrivileges(const std::function<bool()>& verification) {
    if (geteuid() != 0) return verification();
    const pid_t enfant = fork();
    if (enfant == 0) {
        const uid_t personne = 65534;
        if (setgid(personne) != 0 || setuid(personne) != 0) _exit(3);
        _exit(verification() ? 0 : 1);
    }
    int etat = 0;
    waitpid(enfant, &etat, 0);
    return WIFEXITED(etat) && WEXITSTATUS(etat) == 0;
}

}  // namespace glyphane::test
