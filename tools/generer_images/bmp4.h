// 16-colour pictures, one palette index a pixel, and their 4-bit BMP files:
// the format the main window loads its tile faces from.

#pragma once

#include <QColor>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

using Palette = std::array<QRgb, 16>;

struct Picture {
    int width = 0;
    int height = 0;
    Palette palette{};
    std::vector<std::uint8_t> pixels;  // palette indices, top row first

    Picture(int w, int h, const Palette& p, std::uint8_t fill)
        : width(w), height(h), palette(p), pixels(static_cast<std::size_t>(w * h), fill) {}

    std::uint8_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y * width + x)]; }
    std::uint8_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// Writes the picture as a 4-bit BMP file; says on stderr why it could not.
bool writeBmp4(const Picture& pic, const QString& path);
