#pragma once

#include <QByteArray>

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
    static bool Read(const QByteArray& rtf, QTextDocument& document);
};
