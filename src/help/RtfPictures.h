#pragma once

#include <QByteArray>
#include <QTextImageFormat>

class QTextDocument;

namespace Rtf {

// A \pict group as it is read.
struct PictureData
{
    enum Kind
    {
        None,
        Png,
        Jpeg,
        Other // metafiles and device bitmaps: Qt cannot draw them; a placeholder stands in
    } kind = None;
    QByteArray data;
    int nibble = -1;
    bool tooLarge = false;
    int picW = 0, picH = 0, goalW = 0, goalH = 0, scaleX = 100, scaleY = 100;

    void AppendHex(unsigned char digit);
    void AppendBinary(const char* bytes, qsizetype size);
};

// Adds the picture to document as an image resource named after number and gives the format
// that shows it, or a format without a name when there is nothing to show.
QTextImageFormat MakeImage(PictureData& picture, QTextDocument& document, int number);

// Pictures wider than width pixels (less their paragraph's margins) are shown scaled down to
// fit, keeping their proportions; the others at the size the document gives them.
void FitPicturesToWidth(QTextDocument& document, qreal width);

} // namespace Rtf
