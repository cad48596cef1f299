#pragma once
#include <array>
#include <string>
#include <string_view>

#include "engine/fenetre.h"

// The chrono: a countdown for each turn and one for each seat's whole game, kept
// as "hh:mm:ss" texts in the window's state. It only shows: a time that runs out
// turns the turn's countdown red and beeps, and the game goes on.
namespace glyphane {

struct ChoixTemps {
    std::string_view texte;   // as the chrono dialog lists it
    std::string_view limite;  // hh:mm:ss
};

inline constexpr std::array<ChoixTemps, 5> choixParTour = {{
    {"2 min.", "00:02:00"},
    {"2 min. 30 sec.", "00:02:30"},
    {"3 min.", "00:03:00"},
    {"3 min. 30 sec.", "00:03:30"},
    {"4 min.", "00:04:00"},
}};
inline constexpr std::array<ChoixTemps, 5> choixTotal = {{
    {"30 min.", "00:30:00"},
    {"1 heure", "01:00:00"},
    {"1 heure 30 min.", "01:30:00"},
    {"2 heure ", "02:00:00"},
    {"2 heure 30 min.", "02:30:00"},
}};

inline constexpr std::string_view tempsEcoule = "00:00:00";

// One second less, each field written back on two digits; "00:00:00" stays. A
// text that is not hh:mm:ss is returned as it is.
std::string Decompter(std::string_view temps);

// What the label LCJ shows of the turn's countdown: "mm:ss".
std::string TexteLcj(std::string_view decompte);
// In the last 20 seconds of the turn the label is red on odd seconds, black on
// even ones.
bool LcjEnRouge(std::string_view decompte);

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
