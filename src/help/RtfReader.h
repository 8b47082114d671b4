#pragma once

#include <QByteArray>
#include <QTextFormat>
#include <QtGlobal>

#include <atomic>

class QPainter;
class QRectF;
class QTextDocument;

// Rich Text Format in, a QTextDocument out: the subset that word processors write (LibreOffice,
// Word, WordPad, pandoc, TextEdit) for text, character and paragraph formatting, lists, tables,
// hyperlinks, bookmarks, notes, pictures and text boxes. Input that is not RTF at all is shown
// as plain text.
//
// The reader walks the input once with an explicit group stack, so no input can exhaust the
// call stack, and it bounds what it keeps for hostile input (group depth, table depth, picture
// data). Whatever cannot be read is left out; the rest still shows.
class RtfReader
{
public:
    // Deeper groups still count for balance but share the state of the deepest kept one.
    static constexpr int MaxGroupDepth = 2048;
    // Tables nested deeper than this are laid into the deepest kept table.
    static constexpr int MaxTableDepth = 16;
    // Rows may have up to this many cells; further cells of a row run on in its last one.
    static constexpr int MaxTableColumns = 64;
    // Pictures with more data than this are left out.
    static constexpr qsizetype MaxPictureBytes = 32 * 1024 * 1024;
    // And so are pictures that would decode into more pixels than this.
    static constexpr qint64 MaxPicturePixels = 4096 * 4096;

    // Replaces the document's content with what could be read from rtf. True when the input
    // was a complete document: it begins with "{\rtf" and its groups close. Input that does not
    // begin like RTF is shown as plain text (and gives false).
    // cancelled, when given and set from another thread, ends the reading early with what was read.
    // The document may belong to a worker thread: reading touches no widget and no window.
    static bool Read(const QByteArray& rtf, QTextDocument& document, const std::atomic<bool>* cancelled = nullptr);

    // Pictures wider than width pixels (less their paragraph's margins) are shown scaled down to
    // fit, keeping their proportions; the others at the size the document gives them.
    static void FitPicturesToWidth(QTextDocument& document, qreal width);

    // What fills the room before a tab stop: Qt's layout has no such fill, so the viewer draws it.
    enum Leader : unsigned char
    {
        LeaderNone,
        LeaderDots,
        LeaderMiddleDots,
        LeaderHyphens,
        LeaderUnderline,
        LeaderThick,
        LeaderEquals,
    };
    // On a block: a list of QPointF(position of the stop in pixels from the paragraph's left edge, Leader).
    static constexpr int TabLeadersProperty = QTextFormat::UserProperty + 16;

    // Draws the leaders of the tabs of the blocks within area (document coordinates) with painter,
    // whose origin is the document's.
    static void DrawTabLeaders(QPainter& painter, const QTextDocument& document, const QRectF& area);
};
