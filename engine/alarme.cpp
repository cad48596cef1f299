#include "engine/alarme.h"

namespace glyphane {

namespace {

// The checks come every few seconds; a longer gap is the clock being changed or
// the machine asleep, and the check then looks at the current minute alone, or
// putting the clock back an hour would ring every alarm of the day.
constexpr int rattrapageMax = 5;

// Minutes from `de` forward to `a`, across midnight when needed.
int ecart(int de, int a) { return ((a - de) % minutesParJour + minutesParJour) % minutesParJour; }

}  // namespace

void ArmerAlarme(Alarme& alarme, int heure, int minute, int maintenant) {
    alarme.enFonction = true;
    alarme.heure = heure;
    alarme.minute = minute;
    alarme.depuis = maintenant;
}

bool VerifierAlarme(Alarme& alarme, int maintenant) {
    if (!alarme.enFonction) return false;
    const int cible = minuteDuJour(alarme.heure, alarme.minute);
    const int debut = ecart(alarme.depuis, maintenant) <= rattrapageMax ? alarme.depuis : maintenant;
    const bool echue = ecart(debut, cible) <= ecart(debut, maintenant);
    alarme.depuis = maintenant;
    if (echue) alarme.enFonction = false;
    return echue;
}

std::string TitreAlarme(const Alarme& alarme) {
    return "Alarme a: " + std::to_string(alarme.heure) + ':' + std::to_string(alarme.minute);
}

}  // namespace glyphane
