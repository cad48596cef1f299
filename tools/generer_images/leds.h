// The alarm LEDs, lit and unlit: PNG files whose alpha lets the window's
// colour show around the lamp.

#pragma once

#include <QImage>
#include <QString>

#include <vector>

struct LedOutput {
    QString name;
    QImage image;
};

QString ledPath(const QString& dir, const QString& name);

// The LEDs read back at their size, their corners see-through; says on
// stderr which one is not.
bool verifyLeds(const QString& dir, const std::vector<LedOutput>& leds);
