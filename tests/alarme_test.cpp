#include "engine/alarme.h"

#include <gtest/gtest.h>

namespace glyphane {
namespace {

Alarme armee(int heure, int minute, int maintenant) {
    Alarme a;
    ArmerAlarme(a, heure, minute, maintenant);
    return a;
}

TEST(Alarme, TheCurrentMinuteRingsAtTheNextCheckThenTheAlarmIsOff) {
    Alarme a = armee(10, 5, minuteDuJour(10, 5));
    EXPECT_TRUE(VerifierAlarme(a, minuteDuJour(10, 5)));
    EXPECT_FALSE(a.enFonction);
    EXPECT_FALSE(VerifierAlarme(a, minuteDuJour(10, 5)));
}

// Set at 10:05:55, checked next at 10:06:05: the minute went by between two checks.
TEST(Alarme, AMinuteThatEndsBetweenTwoChecksStillRings) {
    Alarme a = armee(10, 5, minuteDuJour(10, 5));
    EXPECT_TRUE(VerifierAlarme(a, minuteDuJour(10, 6)));
}

TEST(Alarme, AMinutePastWaitsForTheNextDay) {
    Alarme a = armee(10, 5, minuteDuJour(10, 6));
    for (int m = minuteDuJour(10, 6); m < minuteDuJour(10, 6) + minutesParJour - 1; ++m) {
        ASSERT_FALSE(VerifierAlarme(a, m % minutesParJour)) << m;
    }
    EXPECT_TRUE(VerifierAlarme(a, minuteDuJour(10, 5)));
}

TEST(Alarme, HourTwentyFourRingsAtMidnight) {
    Alarme a = armee(24, 0, minuteDuJour(23, 59));
    EXPECT_FALSE(VerifierAlarme(a, minuteDuJour(23, 59)));
    EXPECT_TRUE(VerifierAlarme(a, minuteDuJour(0, 0)));
}

// The clock put back an hour, or a machine that slept: only the minute at hand
// counts, not every minute the jump seems to cross.
TEST(Alarme, AJumpOfTheClockRingsNothingItCrosses) {
    Alarme recul = armee(14, 0, minuteDuJour(3, 0));
    EXPECT_FALSE(VerifierAlarme(recul, minuteDuJour(2, 0)));
    Alarme sommeil = armee(14, 0, minuteDuJour(9, 0));
    EXPECT_FALSE(VerifierAlarme(sommeil, minuteDuJour(16, 0)));
    EXPECT_TRUE(VerifierAlarme(sommeil, minuteDuJour(14, 0)));
}

TEST(Alarme, AnAlarmThatIsOffNeverRings) {
    Alarme a;
    a.heure = 10;
    EXPECT_FALSE(VerifierAlarme(a, minuteDuJour(10, 0)));
}

TEST(Alarme, TitleHasNoLeadingZeros) {
    Alarme a = armee(7, 5, 0);
    EXPECT_EQ(TitreAlarme(a), "Alarme a: 7:5");
    EXPECT_EQ(TitreAlarme(armee(0, 0, 0)), "Alarme a: 0:0");
    EXPECT_EQ(TitreAlarme(armee(23, 59, 0)), "Alarme a: 23:59");
}

}  // namespace
}  // namespace glyphane
