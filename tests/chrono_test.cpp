#include "engine/chrono.h"

#include <gtest/gtest.h>

#include "engine/affichage.h"
#include "engine/partie.h"

namespace glyphane {
namespace {

TEST(Chrono, ShowsHoursMinutesAndSecondsAndTheTurnRedOnOddSecondsOfTheLastTwenty) {
    EXPECT_EQ(TexteTemps(7199), "01:59:59");
    EXPECT_EQ(TexteTemps(0), "00:00:00");
    EXPECT_EQ(TexteLcj(180), "03:00");
    EXPECT_EQ(TexteLcj(59), "00:59");
    EXPECT_FALSE(LcjEnRouge(20));
    EXPECT_TRUE(LcjEnRouge(19));
    EXPECT_FALSE(LcjEnRouge(18));
    EXPECT_TRUE(LcjEnRouge(1));
    EXPECT_FALSE(LcjEnRouge(0));
    EXPECT_FALSE(LcjEnRouge(79));
}

EtatControles chronos(bool parTour, bool total) {
    EtatControles e;
    e.chronoParTour = parTour;
    e.chronoTotal = total;
    e.chronoEnMarche = true;
    e.limiteChronoTotal = 7200;
    RemettreTotaux(e);
    return e;
}

TEST(TicDuChrono, CountsTheTurnAndTheCurrentSeatOnly) {
    EtatControles e = chronos(true, true);
    e.decompteTour = 21;
    const std::array<TicChrono, 3> tics = {TicDuChrono(e, 2), TicDuChrono(e, 2), TicDuChrono(e, 2)};
    EXPECT_EQ(e.decompteTour, 18);
    EXPECT_EQ(e.tempsTotal[2], 7197);
    EXPECT_EQ(e.tempsTotal[1], 7200);
    // 20 is even and black; 19 red with a beep; 18 black again.
    EXPECT_FALSE(tics[0].bip);
    EXPECT_TRUE(tics[1].bip);
    EXPECT_FALSE(tics[2].bip);
    EXPECT_TRUE(e.chronoEnMarche);
}

TEST(TicDuChrono, StopsOnceBothReadZero) {
    EtatControles e = chronos(true, true);
    e.decompteTour = 2;
    e.tempsTotal[1] = 1;
    EXPECT_FALSE(TicDuChrono(e, 1).arrete);  // the turn still has a second
    const TicChrono dernier = TicDuChrono(e, 1);
    EXPECT_TRUE(dernier.arrete);
    EXPECT_FALSE(dernier.bip);
    EXPECT_FALSE(e.chronoEnMarche);
    EXPECT_EQ(e.decompteTour, 0);
}

// A countdown left over from an earlier game neither counts nor beeps while only
// the totals run; a per-turn chrono alone stops at its own zero.
TEST(TicDuChrono, AChronoThatIsOffCountsAsRunOut) {
    EtatControles e = chronos(false, true);
    e.decompteTour = 13;
    const TicChrono tic = TicDuChrono(e, 1);
    EXPECT_FALSE(tic.bip || tic.arrete);
    EXPECT_EQ(e.decompteTour, 13);
    EXPECT_EQ(e.tempsTotal[1], 7199);

    EtatControles tour = chronos(true, false);
    tour.decompteTour = 1;
    tour.tempsTotal[1] = 5;
    EXPECT_TRUE(TicDuChrono(tour, 1).arrete);
    EXPECT_EQ(tour.tempsTotal[1], 5);
}

TEST(ChoixChrono, TickedBoxesSetTheLimitsAndTheTotalsOnlyBetweenGames) {
    EtatControles e;
    AppliquerChoixChrono(e, {true, 0, true, 3}, false);
    EXPECT_TRUE(e.chronoParTour && e.chronoTotal);
    EXPECT_EQ(e.limiteChronoTour, 120);
    EXPECT_EQ(e.decompteTour, 120);
    for (int s = 1; s <= nbSiegesMax; ++s) EXPECT_EQ(e.tempsTotal[s], 7200);
    EXPECT_EQ(ChoixActuel(e).tour, 0);
    EXPECT_EQ(ChoixActuel(e).totalChoisi, 3);

    e.tempsTotal[1] = 4200;
    AppliquerChoixChrono(e, {true, 4, true, 0}, true);
    EXPECT_EQ(e.limiteChronoTour, 240);
    EXPECT_EQ(e.tempsTotal[1], 4200);
    EXPECT_EQ(e.limiteChronoTotal, 7200);
    AppliquerChoixChrono(e, {true, 4, false, 0}, true);
    EXPECT_TRUE(e.chronoTotal);

    AppliquerChoixChrono(e, {false, 4, false, 0}, false);
    EXPECT_FALSE(e.chronoParTour || e.chronoTotal);
    EXPECT_EQ(ChoixActuel(EtatControles{}).tour, 2);
    EXPECT_EQ(ChoixActuel(EtatControles{}).totalChoisi, 2);
}

TEST(ChoixChrono, AGameStartsEverySeatFromTheLimitAndShowsTheSeatsThatPlay) {
    Partie partie;
    partie.sieges.fixerNombreJoueurs(3);
    partie.fenetre.modifier([](EtatControles& e) {
        AppliquerChoixChrono(e, {false, 0, true, 1}, false);
        e.tempsTotal[2] = 720;  // left by a game that was restarted
    });
    AfficherDebutPartie(partie);
    EtatControles e = partie.fenetre.copie();
    EXPECT_EQ(e.tempsTotal[2], 3600);
    EXPECT_TRUE(e.ltg[1].visible && e.ltg[3].visible);
    EXPECT_FALSE(e.ltg[4].visible);
    AfficherSansPartie(partie);
    e = partie.fenetre.copie();
    EXPECT_FALSE(e.ltg[1].visible || e.lcj.visible);
}

}  // namespace
}  // namespace glyphane
