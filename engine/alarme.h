#pragma once
#include <string>

// The alarm clock beside the board: at a chosen hour and minute it shows its
// message, and may ring, until acknowledged. Times are minutes of the day, so the
// caller reads the clock and the rules never do.
namespace glyphane {

inline constexpr int minutesParJour = 24 * 60;

inline constexpr int minuteDuJour(int heure, int minute) {
    return ((heure * 60 + minute) % minutesParJour + minutesParJour) % minutesParJour;
}

struct Alarme {
    bool enFonction = false;
    int heure = 0;   // 0..24 as entered; 24 rings at midnight
    int minute = 0;  // 0..59
    bool sonore = true;
    std::string message;  // four lines at most
    // The minute of the day from which the next check looks: the check rings for
    // an alarm minute it has not yet looked at, so a check that falls just past
    // that minute still rings.
    int depuis = 0;
};

// "&en fonction": the alarm is set for heure:minute, from the minute `maintenant`.
// A minute already past today rings at that time tomorrow.
void ArmerAlarme(Alarme& alarme, int heure, int minute, int maintenant);

// The check of the alarm timer, at minute `maintenant`: true when the alarm
// minute has come since the previous check. The alarm is then off.
bool VerifierAlarme(Alarme& alarme, int maintenant);

// The first line of the alarm's message window: "Alarme a: 7:5" for 7 h 05.
std::string TitreAlarme(const Alarme& alarme);

}  // namespace glyphane
