#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace Rtf {

// A Windows metafile (the records of \wmetafile, without a placeable header) drawn at size
// pixels through libwmf's SVG output and Qt SVG; a null image when it cannot be drawn.
QImage DrawWindowsMetafile(const QByteArray& data, QSize size);

} // namespace Rtf
