#include "feed/QrCode.h"

#include <qrencode.h>

QrCode QrCode::Encode(const QByteArray& text)
{
    QrCode code;
    QRcode* encoded = QRcode_encodeData(static_cast<int>(text.size()),
                                        reinterpret_cast<const unsigned char*>(text.constData()), 0, QR_ECLEVEL_M);
    if (!encoded)
        return code;
    code.size = encoded->width;
    code.dark.resize(static_cast<size_t>(code.size) * static_cast<size_t>(code.size));
    for (size_t i = 0; i < code.dark.size(); ++i)
        code.dark[i] = (encoded->data[i] & 1) != 0;
    QRcode_free(encoded);
    return code;
}
