#include "help/RtfReader.h"

#include "help/RtfBuilder.h"
#include "help/RtfCharsets.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <cmath>
#include <limits>

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

bool RtfReader::Read(const QByteArray& rtf, QTextDocument& document, const std::atomic<bool>* cancelled)
{
    const bool undo = document.isUndoRedoEnabled();
    document.clear();
    document.setUndoRedoEnabled(false);
    bool complete = false;
    if (!LooksLikeRtf(rtf)) {
        document.setPlainText(PlainText(rtf));
    } else {
        Rtf::Builder builder(document, cancelled);
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

void RtfReader::DrawTabLeaders(QPainter& painter, const QTextDocument& document, const QRectF& area)
{
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat format = block.blockFormat();
        if (!format.hasProperty(TabLeadersProperty))
            continue;
        const QRectF bounds = layout->blockBoundingRect(block);
        if (!bounds.intersects(area))
            continue;
        QList<QPointF> stops;
        for (const QVariant& stop : format.property(TabLeadersProperty).toList())
            stops.append(stop.toPointF());
        const QString text = block.text();
        QTextLayout* lines = block.layout();
        const qreal edge = 0; // stops are measured from the edge of the text column, as lines are
        for (int i = 0; i < text.size(); ++i) {
            if (text[i] != QLatin1Char('\t'))
                continue;
            const QTextLine line = lines->lineForTextPosition(i);
            if (!line.isValid())
                continue;
            const qreal from = line.cursorToX(i);
            const qreal to = line.cursorToX(i + 1);
            // The stop the tab goes to is the first beyond where it starts.
            int leader = LeaderNone;
            qreal nearest = std::numeric_limits<qreal>::max();
            for (const QPointF& stop : std::as_const(stops)) {
                const qreal at = edge + stop.x();
                if (at > from + 0.5 && at < nearest) {
                    nearest = at;
                    leader = static_cast<int>(stop.y());
                }
            }
            if (leader == LeaderNone || to - from < 4)
                continue;
            const QTextCharFormat chars = block.charFormat();
            QFontMetricsF metrics(block.document()->defaultFont());
            const QPointF origin = bounds.topLeft() + line.position();
            const qreal baseline = origin.y() + line.ascent();
            const qreal left = origin.x() - line.x() + from + 2;
            const qreal right = origin.x() - line.x() + to - 2;
            const QColor ink =
                chars.foreground().style() != Qt::NoBrush ? chars.foreground().color() : painter.pen().color();
            painter.save();
            painter.setRenderHint(QPainter::Antialiasing, true);
            switch (leader) {
            case LeaderDots:
            case LeaderMiddleDots: {
                const qreal y = leader == LeaderDots ? baseline - 1 : baseline - line.ascent() / 3;
                const qreal gap = std::max<qreal>(3, metrics.horizontalAdvance(QLatin1Char('.')));
                painter.setPen(Qt::NoPen);
                painter.setBrush(ink);
                for (qreal x = std::ceil(left / gap) * gap; x <= right; x += gap)
                    painter.drawEllipse(QPointF(x, y), 0.8, 0.8);
                break;
            }
            case LeaderHyphens:
                painter.setPen(QPen(ink, 1, Qt::DashLine));
                painter.drawLine(QPointF(left, baseline - line.ascent() / 3),
                                 QPointF(right, baseline - line.ascent() / 3));
                break;
            case LeaderUnderline:
            case LeaderThick:
                painter.setPen(QPen(ink, leader == LeaderThick ? 2 : 1));
                painter.drawLine(QPointF(left, baseline + 1), QPointF(right, baseline + 1));
                break;
            case LeaderEquals:
                painter.setPen(QPen(ink, 1));
                painter.drawLine(QPointF(left, baseline - line.ascent() / 3 - 1.5),
                                 QPointF(right, baseline - line.ascent() / 3 - 1.5));
                painter.drawLine(QPointF(left, baseline - line.ascent() / 3 + 1.5),
                                 QPointF(right, baseline - line.ascent() / 3 + 1.5));
                break;
            default:
                break;
            }
            painter.restore();
        }
    }
}
