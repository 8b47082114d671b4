#pragma once

#include <QColor>

// Colours are stored as red + 256 * green + 65536 * blue (red in the low byte).
namespace LedColors {

inline QColor ToQColor(int color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

inline int FromQColor(const QColor& color)
{
    return color.red() + 256 * color.green() + 65536 * color.blue();
}

} // namespace LedColors
