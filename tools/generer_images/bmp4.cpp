#include "bmp4.h"

#include <QByteArray>
#include <QFile>

#include <cstdio>

namespace {

void put16(QByteArray& out, std::uint32_t v) {
    out.append(static_cast<char>(v & 0xff));
    out.append(static_cast<char>((v >> 8) & 0xff));
}

void put32(QByteArray& out, std::uint32_t v) {
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}

// Qt writes indexed images only as 8-bit BMP, so the 4-bit file is laid out by
// hand: file header, 40-byte info header, 16 palette entries, then the rows
// bottom-up, two pixels a byte (left pixel in the high nibble), each row padded
// to a multiple of four bytes.
QByteArray encodeBmp4(const Picture& pic) {
    const std::uint32_t rowBytes = static_cast<std::uint32_t>(((pic.width * 4 + 31) / 32) * 4);
    const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(pic.height);
    const std::uint32_t dataOffset = 14 + 40 + 16 * 4;

    QByteArray out;
    out.append("BM");
    put32(out, dataOffset + imageBytes);
    put32(out, 0);
    put32(out, dataOffset);

    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(pic.width));
    put32(out, static_cast<std::uint32_t>(pic.height));
    put16(out, 1);   // planes
    put16(out, 4);   // bits per pixel
    put32(out, 0);   // no compression
    put32(out, imageBytes);
    put32(out, 2835);  // 72 dpi
    put32(out, 2835);
    put32(out, 16);
    put32(out, 16);

    for (QRgb c : pic.palette) {
        out.append(static_cast<char>(qBlue(c)));
        out.append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qRed(c)));
        out.append('\0');
    }

    for (int y = pic.height - 1; y >= 0; --y) {
        QByteArray row(static_cast<qsizetype>(rowBytes), '\0');
        for (int x = 0; x < pic.width; ++x) {
            const auto index = static_cast<unsigned char>(pic.at(x, y) & 0x0f);
            auto& byte = reinterpret_cast<unsigned char&>(row[x / 2]);
            byte = static_cast<unsigned char>(byte | ((x % 2 == 0) ? (index << 4) : index));
        }
        out.append(row);
    }
    return out;
}

}  // namespace

bool writeBmp4(const Picture& pic, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    const QByteArray data = encodeBmp4(pic);
    return file.write(data) == data.size();
}
