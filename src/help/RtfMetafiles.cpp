#include "help/RtfMetafiles.h"

#include <QMutex>
#include <QMutexLocker>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

#include <libwmf/api.h>
#include <libwmf/svg.h>

#include <memory>

namespace Rtf {

namespace {

// libwmf keeps state of its own beside each player (fonts, the error handler): one metafile at a time.
QMutex& Serial()
{
    static QMutex mutex;
    return mutex;
}

// libwmf trusts the header's longest record and allocates that much before reading a record: a few
// bytes claiming a record of gigabytes would take the memory of the machine. No record is longer than
// the file that holds it, nor the header shorter than its own 9 words.
bool HeaderIsSane(const QByteArray& data)
{
    constexpr quint32 placeableKey = 0x9AC6CDD7;
    constexpr qsizetype placeableSize = 22, headerSize = 18;
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    const qsizetype at = qFromLittleEndian<quint32>(bytes) == placeableKey ? placeableSize : 0;
    if (data.size() - at < headerSize)
        return false;
    const quint16 headerWords = qFromLittleEndian<quint16>(bytes + at + 2);
    const quint32 longestRecordWords = qFromLittleEndian<quint32>(bytes + at + 12);
    return headerWords == headerSize / 2 && qint64(longestRecordWords) * 2 <= data.size() - at - headerSize;
}

// The metafile as SVG, or nothing.
QByteArray Svg(const QByteArray& data)
{
    wmfAPI_Options options{};
    options.function = wmf_svg_function;
    const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    wmfAPI* api = nullptr;
    if (wmf_api_create(&api, flags, &options) != wmf_E_None || !api)
        return {};
    const auto destroy = [](wmfAPI* p) {
        wmf_api_destroy(p);
    };
    const std::unique_ptr<wmfAPI, decltype(destroy)> owner(api, destroy);
    // libwmf reads the bytes in place and never writes them.
    auto* bytes = reinterpret_cast<unsigned char*>(const_cast<char*>(data.constData()));
    wmfD_Rect bounds{};
    if (wmf_mem_open(api, bytes, static_cast<long>(data.size())) != wmf_E_None ||
        wmf_scan(api, 0, &bounds) != wmf_E_None)
        return {};
    unsigned int width = 0, height = 0;
    if (wmf_display_size(api, &width, &height, 96, 96) != wmf_E_None || width == 0 || height == 0)
        return {};
    wmf_svg_t* device = WMF_SVG_GetData(api);
    device->out = wmf_stream_create(api, nullptr);
    if (!device->out)
        return {};
    static char description[] = "";
    device->Description = description;
    device->bbox = bounds;
    device->width = width;
    device->height = height;
    device->flags |= WMF_SVG_INLINE_IMAGES;
    const wmf_error_t played = wmf_play(api, 0, &bounds);
    char* text = nullptr;
    unsigned long length = 0;
    wmf_stream_destroy(api, device->out, &text, &length);
    QByteArray svg;
    if (played == wmf_E_None && text)
        svg = QByteArray(text, static_cast<qsizetype>(length));
    if (text)
        wmf_free(api, text);
    return svg;
}

} // namespace

QImage DrawWindowsMetafile(const QByteArray& data, QSize size)
{
    if (data.size() < 18 || size.isEmpty() || !HeaderIsSane(data))
        return {};
    QByteArray svg;
    {
        const QMutexLocker lock(&Serial());
        svg = Svg(data);
    }
    QSvgRenderer renderer(svg);
    if (svg.isEmpty() || !renderer.isValid())
        return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

} // namespace Rtf
