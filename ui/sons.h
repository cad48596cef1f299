#pragma once
#include <QObject>
#include <memory>

class QSoundEffect;

// The program's own sounds: the "click" every button plays before it acts, the
// alarm's ring, and the system beep of message boxes and refusals.
namespace glyphane::ui {

class Sons : public QObject {
    Q_OBJECT
public:
    explicit Sons(QObject* parent = nullptr);
    ~Sons() override;

    void clic();
    void alarme();
    void bip();
    // No sound at all (tests, or a machine without audio).
    void rendreMuet(bool muet);

private:
    QSoundEffect* effetClic = nullptr;
    QSoundEffect* effetAlarme = nullptr;
    bool muet = false;
};

}  // namespace glyphane::ui
