#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QScreen>
#include <QTest>
#include <QWidget>

// Pixels as the X server has them, for the tests that look where the user looks.
namespace ScreenPixels {

// How far apart two colours are: the sum of their channels' differences.
inline int Distance(QColor a, QColor b)
{
    return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue());
}

// The pixels of `area` (logical, in `window`) as the server has them, at the device's scale.
inline QImage Shot(QWidget* window, const QRect& area)
{
    QTest::qWait(200);
    return window->screen()
        ->grabWindow(window->winId(), area.x(), area.y(), area.width(), area.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// How many pixels are within `tolerance` of `colour`.
inline int CountNear(const QImage& image, QColor colour, int tolerance = 60)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += Distance(image.pixelColor(x, y), colour) < tolerance;
    }
    return count;
}

} // namespace ScreenPixels
