#include "ui/horloge_alarme.h"

#include <QPushButton>

#include "ui/dialogues/alarme.h"
#include "ui/fenetre_principale.h"
#include "ui/sons.h"
#include "ui/vue_qt.h"

namespace glyphane::ui {

namespace {

constexpr int periodeHorloge = 1000;   // ms
constexpr int periodeAlarme = 10000;
constexpr int periodeSonnerie = 2000;

}  // namespace

HorlogeAlarme::HorlogeAlarme(FenetrePrincipale& fenetreDuJeu, VueQt& vueDuJeu, Sons& sonsDuJeu)
    : QObject(&fenetreDuJeu), fenetre(fenetreDuJeu), vue(vueDuJeu), sons(sonsDuJeu),
      source([] { return QTime::currentTime(); }), horloge(this), timerAlarm(this), son(this) {
    horloge.setObjectName(QStringLiteral("horloge"));
    timerAlarm.setObjectName(QStringLiteral("timerAlarm"));
    son.setObjectName(QStringLiteral("son"));
    horloge.setInterval(periodeHorloge);
    timerAlarm.setInterval(periodeAlarme);
    son.setInterval(periodeSonnerie);
    connect(&horloge, &QTimer::timeout, this, &HorlogeAlarme::afficherHeure);
    connect(&timerAlarm, &QTimer::timeout, this, &HorlogeAlarme::verifierAlarme);
    connect(&son, &QTimer::timeout, &sons, &Sons::alarme);
    connect(fenetre.bouton("Clock21"), &QPushButton::clicked, this, &HorlogeAlarme::ouvrirReglage);
    afficherHeure();
    horloge.start();
}

void HorlogeAlarme::fixerHeure(std::function<QTime()> nouvelle) {
    source = std::move(nouvelle);
    afficherHeure();
}

// The "&" underlines the first digit: Alt and that digit open the alarm.
void HorlogeAlarme::afficherHeure() {
    fenetre.bouton("Clock21")->setText(QLatin1Char('&') + heure().toString(QStringLiteral("hh:mm:ss")));
}

int HorlogeAlarme::minuteCourante() const {
    const QTime maintenant = heure();
    return minuteDuJour(maintenant.hour(), maintenant.minute());
}

void HorlogeAlarme::ouvrirReglage() {
    FicheAlarme fiche(vue.contexte(), *this);
    reglageOuvert = &fiche;
    fiche.executer(Fiche::Son::clic);
}

void HorlogeAlarme::armer(int heureAlarme, int minute) {
    ArmerAlarme(reglage, heureAlarme, minute, minuteCourante());
    timerAlarm.start();
    montrerLed();
}

void HorlogeAlarme::desarmer() {
    reglage.enFonction = false;
    timerAlarm.stop();
    montrerLed();
}

void HorlogeAlarme::montrerLed() { fenetre.montrerLed(reglage.enFonction); }

void HorlogeAlarme::verifierAlarme() {
    if (!VerifierAlarme(reglage, minuteCourante())) return;
    desarmer();
    if (reglageOuvert) reglageOuvert->fermerCommeOk();
    FicheMessageAlarme message(vue.contexte(), reglage);
    message.ouvrir();
    if (reglage.sonore) son.start();
    message.attendre();
    son.stop();
    message.fermer();
}

}  // namespace glyphane::ui
