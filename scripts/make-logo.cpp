// Draws Gavelor's artwork: the title-window logo and the application icons.
// The PNGs it writes are committed under resources/; run it again only to change them:
//
//   g++ -std=c++20 -fPIC scripts/make-logo.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/make-logo
//   QT_QPA_PLATFORM=offscreen /tmp/make-logo resources
//
// Everything is drawn in a 100 x 100 box and scaled, so every size comes from one drawing.

#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

const QColor HeadWood(0x8a, 0x4b, 0x1f);
const QColor HeadBand(0xd9, 0xa4, 0x41);
const QColor HeadShade(0x6b, 0x39, 0x16);
const QColor HandleWood(0xb8, 0x6f, 0x32);
const QColor BlockTop(0x9c, 0x5a, 0x2a);
const QColor BlockSide(0x5e, 0x33, 0x14);
const QColor IconBack(0x1d, 0x3b, 0x5c);

// The sound block, then the gavel tilted over it as if about to strike.
void drawGavel(QPainter& p)
{
    p.setPen(Qt::NoPen);

    // Sound block: a flat disc seen slightly from above.
    p.setBrush(BlockSide);
    p.drawRoundedRect(QRectF(4, 82, 56, 11), 5, 5);
    p.setBrush(BlockTop);
    p.drawEllipse(QRectF(4, 76, 56, 13));

    p.save();
    p.translate(40, 38);
    p.rotate(-45);

    // Handle, running down to the right from the middle of the head.
    p.setBrush(HandleWood);
    p.drawRoundedRect(QRectF(-4, 0, 8, 56), 4, 4);
    p.setBrush(HeadShade);
    p.drawEllipse(QRectF(-5.5, 50, 11, 11));

    // Head: a barrel with a band near each face.
    p.setBrush(HeadWood);
    p.drawRoundedRect(QRectF(-30, -22, 60, 24), 6, 6);
    p.setBrush(HeadShade);
    p.drawRect(QRectF(-30, -6, 60, 8));
    p.setBrush(HeadBand);
    p.drawRect(QRectF(-22, -22, 5, 24));
    p.drawRect(QRectF(17, -22, 5, 24));
    p.setBrush(HeadShade);
    p.drawRoundedRect(QRectF(-34, -20, 6, 20), 2, 2);
    p.drawRoundedRect(QRectF(28, -20, 6, 20), 2, 2);
    p.restore();
}

QImage render(int width, int height, bool iconBackground)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double side = qMin(width, height);
    p.translate((width - side) / 2.0, (height - side) / 2.0);
    p.scale(side / 100.0, side / 100.0);
    if (iconBackground) {
        p.setPen(Qt::NoPen);
        p.setBrush(IconBack);
        p.drawRoundedRect(QRectF(2, 2, 96, 96), 18, 18);
        // Keep the gavel clear of the rounded corners.
        p.translate(9, 7);
        p.scale(0.84, 0.84);
    }
    drawGavel(p);
    p.end();
    return image;
}

bool save(const QImage& image, const QString& path)
{
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "make-logo: cannot write %s\n", qUtf8Printable(path));
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("resources"));
    bool ok = save(render(135, 141, false), out.filePath(QStringLiteral("logo.png")));
    for (int size : {16, 32, 48, 64, 128, 256})
        ok = save(render(size, size, true), out.filePath(QStringLiteral("icons/gavelor-%1.png").arg(size))) && ok;
    return ok ? 0 : 1;
}
