#pragma once
#include <array>
#include <string>
#include <string_view>

#include "engine/fenetre.h"

// The chrono: a countdown for each turn and one for each seat's whole game, kept
// in seconds in the window's state and shown as "hh:mm:ss". It only shows: a time
// that runs out turns the turn's countdown red and beeps, and the game goes on.
namespace glyphane {

struct ChoixTemps {
    std::string_view texte;  // as the chrono dialog lists it
    int limite;              // seconds
};

inline constexpr std::array<ChoixTemps, 5> choixParTour = {{
    {"2 min.", 120},
    {"2 min. 30 sec.", 150},
    {"3 min.", 180},
    {"3 min. 30 sec.", 210},
    {"4 min.", 240},
}};
inline constexpr std::array<ChoixTemps, 5> choixTotal = {{
    {"30 min.", 1800},
    {"1 heure", 3600},
    {"1 heure 30 min.", 5400},
    {"2 heure ", 7200},
    {"2 heure 30 min.", 9000},
}};

// What the seats' totals show: "hh:mm:ss".
std::string TexteTemps(int secondes);
// What the label LCJ shows of the turn's countdown: "mm:ss".
std::string TexteLcj(int decompte);
// In the last 20 seconds of the turn the label is red on odd seconds, black on
// even ones.
bool LcjEnRouge(int decompte);

struct TicChrono {
    bool bip = false;     // a red second
    bool arrete = false;  // nothing left to count: the chrono timer stops
};

// The chrono timer's one-second tick, during the turn of seat `siege`: counts
// down the seat's total and the turn's countdown, each while its chrono is on.
// A chrono that is off counts as run out, so that the timer stops once all that
// counts has reached zero, and a countdown left over from an earlier game never
// beeps.
TicChrono TicDuChrono(EtatControles& e, int siege);

// What the chrono dialog shows and answers: each box ticked, and the line chosen
// in each list (an index into choixParTour and choixTotal).
struct ChoixChrono {
    bool parTour = false;
    int tour = 2;  // "3 min."
    bool total = false;
    int totalChoisi = 2;  // "1 heure 30 min."
};

// The dialog opens on the chronos as they are set.
ChoixChrono ChoixActuel(const EtatControles& e);

// The dialog's "&ok". A ticked box sets its chrono; an unticked one switches it
// off, or the dialog would offer no way back from a chrono set by mistake. The
// totals change only between games: the four seats start from the chosen limit.
void AppliquerChoixChrono(EtatControles& e, const ChoixChrono& choix, bool partieEnCours);

// A game starts: each seat's total starts again from the limit.
void RemettreTotaux(EtatControles& e);

}  // namespace glyphane
