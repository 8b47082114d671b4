#pragma once

#include <QByteArray>

#include <vector>

// A QR code (libqrencode) as a square of modules, dark or light, without the quiet zone.
struct QrCode
{
    int size = 0;
    std::vector<bool> dark;

    bool isDark(int x, int y) const { return dark[static_cast<size_t>(y * size + x)]; }
    bool isEmpty() const { return size == 0; }

    // The text as 8-bit data, medium error correction; empty when it does not fit.
    static QrCode Encode(const QByteArray& text);
};
