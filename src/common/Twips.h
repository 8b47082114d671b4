#pragma once

#include <QRect>

class QWidget;

// Every window is designed in twips (1/1440 inch). This is the one place where they
// become pixels: 15 twips per pixel at 96 dpi, following the screen's logical dpi.
namespace Twips {

inline constexpr double PerInch = 1440.0;

// Logical dpi of the screen the widget is on (the primary screen when it has none yet).
double LogicalDpi(const QWidget* widget = nullptr);

int ToPixels(double twips, double dpi);
double FromPixels(int pixels, double dpi);

int ToPixels(double twips, const QWidget* widget = nullptr);
double FromPixels(int pixels, const QWidget* widget = nullptr);
QRect ToPixels(int left, int top, int width, int height, const QWidget* widget = nullptr);

} // namespace Twips
