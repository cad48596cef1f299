#pragma once
#include "engine/alarme.h"
#include "ui/dialogues/fiche.h"

class QCheckBox;
class QSpinBox;
class QTextEdit;

// The alarm's two windows: its settings (TAlarmFrm), opened from the clock, and
// the message it shows when its minute comes (TMsgFrm).
namespace glyphane::ui {

class HorlogeAlarme;

class FicheAlarme final : public Fiche {
    Q_OBJECT
public:
    FicheAlarme(const ContexteDialogue& contexte, HorlogeAlarme& horloge);

    // The alarm rang while the settings were open: they close as "&ok" closes them.
    void fermerCommeOk();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void creerHeure();
    void creerBoutons();
    void creerMessage();
    void montrerGlyphes();
    void enFonction();
    void horsFonction();
    void ok();
    int lignesDuMessage() const;

    HorlogeAlarme& horloge;
    QSpinBox* heures = nullptr;
    QSpinBox* minutes = nullptr;
    QPushButton* boutonEnFonction = nullptr;
    QPushButton* boutonHorsFonction = nullptr;
    QTextEdit* memo = nullptr;
    QCheckBox* sonore = nullptr;
    QPushButton* boutonOk = nullptr;
    QString messageAccepte;
};

class FicheMessageAlarme final : public Fiche {
    Q_OBJECT
public:
    FicheMessageAlarme(const ContexteDialogue& contexte, const Alarme& alarme);
};

}  // namespace glyphane::ui
