#include "common/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace Twips {

double LogicalDpi(const QWidget* widget)
{
    const QScreen* screen = widget ? widget->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return 96.0;
    const double dpi = screen->logicalDotsPerInch();
    return dpi > 0.0 ? dpi : 96.0;
}

int ToPixels(double twips, double dpi)
{
    return static_cast<int>(std::lround(twips * dpi / PerInch));
}

double FromPixels(int pixels, double dpi)
{
    return pixels * PerInch / dpi;
}

int ToPixels(double twips, const QWidget* widget)
{
    return ToPixels(twips, LogicalDpi(widget));
}

double FromPixels(int pixels, const QWidget* widget)
{
    return FromPixels(pixels, LogicalDpi(widget));
}

QRect ToPixels(int left, int top, int width, int height, const QWidget* widget)
{
    const double dpi = LogicalDpi(widget);
    return QRect(ToPixels(left, dpi), ToPixels(top, dpi), ToPixels(width, dpi), ToPixels(height, dpi));
}

} // namespace Twips
