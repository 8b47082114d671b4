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
        Wmf,  // drawn through libwmf
        Emf,  // no library that may be linked draws these: a placeholder stands in
        Other // other metafiles and device bitmaps: a placeholder as well
    } kind = None;
    QByteArray data;
    int nibble = -1;
    bool tooLarge = false;
    int picW = 0, picH = 0, goalW = 0, goalH = 0, scaleX = 100, scaleY = 100;

    void AppendHex(unsigned char digit);
    void AppendBinary(const char* bytes, qsizetype size);
};

// Adds the picture to document as an image resource named after number and gives the format
// that shows it, or a format without a name when there is nothing to show. placeholder tells
// whether a placeholder stands in for a picture that could not be drawn.
QTextImageFormat MakeImage(PictureData& picture, QTextDocument& document, int number, bool* placeholder = nullptr);

// Draws picture in place of the placeholder named name, at the placeholder's size; false when it
// cannot be drawn either.
bool ReplaceImage(PictureData& picture, QTextDocument& document, const QString& name);

} // namespace Rtf
