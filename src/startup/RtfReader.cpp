#include "startup/RtfReader.h"

#include "help/RtfBuilder.h"
#include "help/RtfCharsets.h"

#include <QStringDecoder>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// Whether the input is meant as RTF at all: "{\rtf" after a byte-order mark or blanks.
bool LooksLikeRtf(const QByteArray& input)
{
    QByteArrayView rest(input);
    if (rest.startsWith("\xEF\xBB\xBF"))
        rest = rest.sliced(3);
    while (!rest.isEmpty() &&
           (rest.front() == ' ' || rest.front() == '\t' || rest.front() == '\r' || rest.front() == '\n'))
        rest = rest.sliced(1);
    return rest.startsWith("{\\rtf") || QByteArrayView("{\\rtf").startsWith(rest);
}

// Plain text in UTF-8, or in Windows-1252 where it is not valid UTF-8.
QString PlainText(const QByteArray& input)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(input);
    if (!utf8.hasError())
        return text;
    const Rtf::CodePageTable& table = Rtf::SingleByteTable(1252);
    text.clear();
    text.reserve(input.size());
    for (const char c : input) {
        const auto byte = static_cast<unsigned char>(c);
        text.append(QChar(byte < 0x80 ? char16_t(byte) : table[byte - 0x80]));
    }
    return text;
}

} // namespace

bool RtfReader::Read(const QByteArray& rtf, QTextDocument& document)
{
    const bool undo = document.isUndoRedoEnabled();
    document.clear();
    document.setUndoRedoEnabled(false);
    bool complete = false;
    if (!LooksLikeRtf(rtf)) {
        document.setPlainText(PlainText(rtf));
    } else {
        Rtf::Builder builder(document);
        QTextCursor batch(&document);
        batch.beginEditBlock();
        Rtf::Tokenize(rtf, builder);
        builder.Finish();
        complete = builder.Complete();
        batch.endEditBlock();
    }
    document.setUndoRedoEnabled(undo);
    return complete;
}
