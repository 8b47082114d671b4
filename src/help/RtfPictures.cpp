#include "help/RtfPictures.h"

#include "help/RtfMetafiles.h"
#include "help/RtfState.h"
#include "help/RtfTokenizer.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <QtMath>

#include <cmath>
#include <utility>
#include <vector>

namespace Rtf {

namespace {

constexpr int MaxShownPixels = 8000;
// The size the document gives a picture, kept beside the size it is shown at.
constexpr int NaturalWidth = QTextFormat::UserProperty + 1;
constexpr int NaturalHeight = QTextFormat::UserProperty + 2;

// The size shown: the goal size in twips where given, else the picture's own, then scaled.
double Shown(int goal, double pixels, int scale)
{
    const double base = goal > 0 ? std::min(goal, MaxTwips) / TwipsPerPixel : pixels;
    const double factor = scale > 0 ? std::min(scale, 1000) / 100.0 : 1.0;
    return std::clamp(base * factor, 1.0, static_cast<double>(MaxShownPixels));
}

// Drawn at twice the size shown, so that it stays sharp on a screen of twice the density.
QImage DrawnMetafile(const PictureData& picture, QSizeF own)
{
    const double width = Shown(picture.goalW, own.width(), picture.scaleX) * 2;
    const double height = Shown(picture.goalH, own.height(), picture.scaleY) * 2;
    if (width * height > static_cast<double>(RtfReader::MaxPicturePixels))
        return {};
    return DrawWindowsMetafile(picture.data, QSize(qCeil(width), qCeil(height)));
}

QImage Placeholder()
{
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(QColor(0xee, 0xee, 0xee));
    QPainter painter(&image);
    painter.setPen(QColor(0x99, 0x99, 0x99));
    painter.drawRect(0, 0, 31, 31);
    painter.drawLine(0, 0, 31, 31);
    painter.drawLine(0, 31, 31, 0);
    return image;
}

} // namespace

void PictureData::AppendHex(unsigned char digit)
{
    if (tooLarge || kind == Other || kind == Emf)
        return;
    const int value = HexValue(digit);
    if (value < 0)
        return;
    if (nibble < 0) {
        nibble = value;
        return;
    }
    if (data.size() >= RtfReader::MaxPictureBytes) {
        tooLarge = true;
        data.clear();
        return;
    }
    data.append(static_cast<char>(nibble * 16 + value));
    nibble = -1;
}

void PictureData::AppendBinary(const char* bytes, qsizetype size)
{
    if (tooLarge || kind == Other || kind == Emf)
        return;
    if (data.size() + size > RtfReader::MaxPictureBytes) {
        tooLarge = true;
        data.clear();
        return;
    }
    data.append(bytes, size);
}

QTextImageFormat MakeImage(PictureData& picture, QTextDocument& document, int number, bool* placeholder)
{
    QImage image;
    QSizeF own;
    if (placeholder)
        *placeholder = false;
    if (picture.kind == PictureData::Wmf || picture.kind == PictureData::Emf || picture.kind == PictureData::Other) {
        // Metafile sizes are in hundredths of a millimetre.
        const auto fromHimetric = [](int value) {
            return std::max(value, 0) / 2540.0 * 96.0;
        };
        own = QSizeF(fromHimetric(picture.picW), fromHimetric(picture.picH));
        if ((picture.goalW <= 0 && own.width() <= 0) || (picture.goalH <= 0 && own.height() <= 0))
            return {};
        if (picture.kind == PictureData::Wmf && !picture.tooLarge)
            image = DrawnMetafile(picture, own);
        if (image.isNull()) {
            image = Placeholder();
            if (placeholder)
                *placeholder = true;
        }
    } else if (picture.kind != PictureData::None && !picture.tooLarge && !picture.data.isEmpty()) {
        // The header gives the size; a picture that would decode into more than the limit is
        // left out before any of it is decoded.
        QBuffer buffer(&picture.data);
        QImageReader reader(&buffer, picture.kind == PictureData::Png ? "png" : "jpeg");
        const QSize size = reader.size();
        if (!size.isValid() || qint64(size.width()) * size.height() > RtfReader::MaxPicturePixels)
            return {};
        image = reader.read();
        own = image.size();
    }
    if (image.isNull())
        return {};
    const QString name = QStringLiteral("rtf-picture:%1").arg(number);
    document.addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(Shown(picture.goalW, own.width(), picture.scaleX));
    format.setHeight(Shown(picture.goalH, own.height(), picture.scaleY));
    format.setProperty(NaturalWidth, format.width());
    format.setProperty(NaturalHeight, format.height());
    return format;
}

bool ReplaceImage(PictureData& picture, QTextDocument& document, const QString& name)
{
    const QImage shown = document.resource(QTextDocument::ImageResource, QUrl(name)).value<QImage>();
    QImage image;
    if (picture.kind == PictureData::Wmf && !picture.tooLarge && !picture.data.isEmpty()) {
        PictureData sized = picture;
        const QSizeF own(std::max(picture.picW, 0) / 2540.0 * 96.0, std::max(picture.picH, 0) / 2540.0 * 96.0);
        image = own.isEmpty() ? QImage() : DrawnMetafile(sized, own);
    } else if ((picture.kind == PictureData::Png || picture.kind == PictureData::Jpeg) && !picture.tooLarge) {
        QBuffer buffer(&picture.data);
        QImageReader reader(&buffer, picture.kind == PictureData::Png ? "png" : "jpeg");
        const QSize size = reader.size();
        if (size.isValid() && qint64(size.width()) * size.height() <= RtfReader::MaxPicturePixels)
            image = reader.read();
    }
    if (image.isNull() || shown.isNull())
        return false;
    document.addResource(QTextDocument::ImageResource, QUrl(name), image);
    return true;
}

} // namespace Rtf

void RtfReader::FitPicturesToWidth(QTextDocument& document, qreal width)
{
    using namespace Rtf;
    std::vector<std::pair<int, QTextImageFormat>> changes;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat paragraph = block.blockFormat();
        const qreal room = std::max<qreal>(1, width - paragraph.leftMargin() -
                                                  std::max<qreal>(0, paragraph.textIndent()) - paragraph.rightMargin());
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            QTextImageFormat format = it.fragment().charFormat().toImageFormat();
            if (!format.isValid() || !format.hasProperty(NaturalWidth))
                continue;
            const qreal naturalWidth = format.doubleProperty(NaturalWidth);
            const qreal naturalHeight = format.doubleProperty(NaturalHeight);
            const qreal shownWidth = std::min(naturalWidth, room);
            const qreal shownHeight = std::max<qreal>(1, naturalHeight * shownWidth / naturalWidth);
            if (std::abs(format.width() - shownWidth) < 0.5 && std::abs(format.height() - shownHeight) < 0.5)
                continue;
            format.setWidth(shownWidth);
            format.setHeight(shownHeight);
            for (int i = 0; i < it.fragment().length(); ++i)
                changes.emplace_back(it.fragment().position() + i, format);
        }
    }
    QTextCursor cursor(&document);
    for (const auto& [position, format] : changes) {
        cursor.setPosition(position);
        cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
        cursor.setCharFormat(format);
    }
}
