#pragma once

#include "help/RtfCharsets.h"
#include "help/RtfPictures.h"
#include "help/RtfState.h"
#include "help/RtfTables.h"
#include "help/RtfTokenizer.h"

#include <QColor>
#include <QList>
#include <QStringList>
#include <QTextCursor>

#include <map>
#include <memory>
#include <vector>

class QTextDocument;
class QTextFrame;

namespace Rtf {

enum class Word : std::uint8_t;

// Builds the document from the tokens of one RTF input.
class Builder : public TokenSink
{
public:
    explicit Builder(QTextDocument& document);
    ~Builder() override;

    // True when the input began with \rtf and its groups closed.
    bool Complete() const { return m_sawHeader && m_finished; }
    // Writes out what is still pending, and the notes at the end.
    void Finish();

    void OpenGroup() override;
    void CloseGroup() override;
    void ControlWord(std::string_view name, bool hasParameter, int parameter) override;
    void ControlSymbol(char symbol) override;
    void HexByte(unsigned char byte) override;
    void Binary(const char* data, qsizetype size) override;
    void Text(const char* begin, const char* end) override;
    bool Finished() const override { return m_finished; }

private:
    GroupState& state() { return m_stack.back(); }
    bool SkippedAfterUnicode();

    // Words that start or feed a destination (RtfDestinations.cpp); true when handled.
    bool DestinationWord(Word word, int parameter);
    void TextWord(Word word, bool hasParameter, int parameter);
    void CellWord(Word word, int parameter);
    void EndGroup(const GroupState& closing);
    void DestinationByte(unsigned char byte);

    void Character(char16_t c);
    void CodePageByte(unsigned char byte);
    void PrepareRun();
    void DecodePending();
    int CurrentCodePage();
    void FlushRun();
    QTextCharFormat CharFormat(const CharState& chars) const;
    QTextBlockFormat BlockFormat(const ParaState& para) const;
    int RunLevel(const GroupState& s) const;
    void EnsureLevel(int level);
    void EndParagraph();
    QTextCursor& Out() { return m_runInNote ? m_noteCursor : m_cursor; }

    void FinishPicture();
    void FootnoteMark();
    void StartNote();
    void StartTextBox();
    void EndTextBox();
    void CommitFont();
    void CommitColor();

    QTextDocument& m_document;
    QTextCursor m_cursor;
    std::vector<GroupState> m_stack;
    qsizetype m_overflowDepth = 0;
    bool m_sawHeader = false;
    bool m_finished = false;
    bool m_inDocument = false;

    int m_documentCodePage = 1252;
    int m_defaultFont = -1;
    std::map<int, FontEntry> m_fonts;
    FontEntry m_pendingFont;
    int m_pendingFontNumber = -1;
    QList<QColor> m_colors;
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colorSet = false;
    std::vector<QString> m_fields; // instructions of the fields open
    QStringList m_links;
    PictureData m_picture;
    int m_pictureCount = 0;

    QByteArray m_bookmark;
    QStringList m_pendingAnchors;
    QByteArray m_shapeProperty;
    bool m_shapeShown = false;
    std::vector<QTextFrame*> m_textBoxes;
    int m_textBoxLevel = 0;

    // Notes are written into a document of their own and gathered at the end.
    std::unique_ptr<QTextDocument> m_notes;
    QTextCursor m_noteCursor;
    int m_noteNumber = 0;

    // Characters waiting to be written with one format.
    QString m_run;
    CharState m_runChars;
    int m_runLevel = 0;
    bool m_runInNote = false;
    char16_t m_highSurrogate = 0;
    int m_skipAfterUnicode = 0;
    // Bytes of a double-byte code page, decoded together.
    QByteArray m_pendingBytes;
    int m_pendingCodePage = 0;

    int m_codePageFont = std::numeric_limits<int>::min();
    int m_codePageDocument = 0;
    int m_codePage = 1252;

    TableBuilder m_tables;
};

} // namespace Rtf
