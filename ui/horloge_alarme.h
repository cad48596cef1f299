#pragma once
#include <QObject>
#include <QPointer>
#include <QTime>
#include <QTimer>
#include <functional>
#include <string>

#include "engine/alarme.h"

// The clock on the main window (Clock21) and the alarm behind it. The clock
// shows the time every second and a click on it opens the alarm's settings;
// while an alarm is set, its minute is looked for every 10 seconds, and when it
// comes the alarm's message shows, ringing every 2 seconds until "&ok" when its
// sound is on. The LED under the clock is lit while an alarm is set.
namespace glyphane::ui {

class FenetrePrincipale;
class FicheAlarme;
class Sons;
class VueQt;

class HorlogeAlarme final : public QObject {
    Q_OBJECT
public:
    HorlogeAlarme(FenetrePrincipale& fenetre, VueQt& vue, Sons& sons);

    // The time of day it reads: the machine's, unless a test gives another.
    void fixerHeure(std::function<QTime()> source);
    QTime heure() const { return source(); }
    const Alarme& alarme() const { return reglage; }

    // Clock21's click: the alarm dialog, until its "&ok".
    void ouvrirReglage();
    // timerAlarm's tick: the message window, until its "&ok", when the alarm's
    // minute has come.
    void verifierAlarme();

    // What the alarm dialog changes.
    void armer(int heure, int minute);
    void desarmer();
    void fixerSonore(bool sonore) { reglage.sonore = sonore; }
    void fixerMessage(std::string message) { reglage.message = std::move(message); }
    void montrerLed();

private:
    void afficherHeure();
    int minuteCourante() const;

    FenetrePrincipale& fenetre;
    VueQt& vue;
    Sons& sons;
    Alarme reglage;
    std::function<QTime()> source;
    QTimer horloge;
    QTimer timerAlarm;
    // The alarm's ring. A timer of the window's thread rather than a thread of
    // its own: playing the sound only starts it and returns at once, so the
    // window never waits on it, and "&ok" stops it on the spot.
    QTimer son;
    QPointer<FicheAlarme> reglageOuvert;
};

}  // namespace glyphane::ui
