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

#include <atomic>
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
    Builder(QTextDocument& document, const std::atomic<bool>* cancelled);
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
    bool Finished() const override
    {
        return m_finished || (m_cancelled && m_cancelled->load(std::memory_order_relaxed));
    }

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
    bool CurrentFontIsSymbol() const;
    QColor Color(int index) const;
    // A paragraph's shading: its background with the pattern colour laid over it.
    QColor Shade(const ParaState& para) const;
    static bool SameBox(const ParaState& a, const ParaState& b);
    void CloseBox();
    void FlushRun();
    QTextCharFormat CharFormat(const CharState& chars) const;
    QTextBlockFormat BlockFormat(const ParaState& para) const;
    int RunLevel(const GroupState& s) const;
    void EnsureLevel(int level);
    void EndParagraph();
    QTextCursor& Out() { return OutFor(m_runSide); }
    QTextCursor& OutFor(Side side);
    // The first content of a paragraph: its box, and its number where the file spells none out.
    void StartParagraph();
    void EnsureBox(const ParaState& para);
    void ListMarker();
    void EndListText();
    static QString NumberText(int number, int format);

    void FinishPicture();
    void FootnoteMark();
    void StartSide(Side side);
    void EndSide(const GroupState& closing);
    void ListTableWord(Word word, int parameter);
    void NumberingWord(Word word, int parameter);
    void CaptureCharacter(char16_t c);
    void MakeEndnote();
    void InsertSides();
    void StartTextBox();
    void EndTextBox();
    void CommitFont();
    void CommitColor();

    QTextDocument& m_document;
    const std::atomic<bool>* m_cancelled = nullptr;
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
    // The last picture shown, while it is only a placeholder that a form for older readers may replace.
    QString m_placeholder;
    QString m_altText;
    QByteArray m_altProperty;
    int m_shapeLeft = 0, m_shapeRight = 0, m_shapeTop = 0, m_shapeBottom = 0;
    bool m_inShape = false;
    int m_shapePicture = -1; // where the shape's picture went

    QByteArray m_bookmark;
    QStringList m_pendingAnchors;
    QByteArray m_shapeProperty;
    bool m_shapeShown = false;
    std::vector<QTextFrame*> m_textBoxes;
    int m_textBoxLevel = 0;

    // Notes, headers and footers are written into documents of their own and gathered at the end.
    std::unique_ptr<QTextDocument> m_sides[4];
    QTextCursor m_sideCursors[4];
    // The one header and footer shown: the first that has text.
    bool m_sideDone[4] = {};
    int m_footnoteNumber = 0;
    int m_endnoteNumber = 0;
    // The mark that the last note's number was written as in the text, to renumber it as an endnote.
    int m_lastMarkPosition = -1;
    int m_lastMarkLength = 0;
    int m_noteMarkPosition = -1;
    int m_noteMarkLength = 0;

    // Paragraph state: whether it has content yet, and whether the file wrote its number.
    bool m_paragraphStarted = false;
    bool m_paragraphHasNumber = false;
    QTextFrame* m_box = nullptr;
    ParaState m_boxPara;
    // Where the list text of the paragraph begins, and whether it is only blanks so far.
    int m_listTextStart = -1;
    bool m_listTextOnlyBlanks = true;
    // The list table, its overrides and the counters of each list and level.
    std::map<int, ListDefinition> m_lists;
    std::map<int, int> m_listOverrides;
    std::map<int, std::array<int, ListDefinition::Levels>> m_listCounters;
    ListDefinition m_pendingList;
    int m_pendingLevel = -1;
    int m_pendingListId = 0;
    bool m_inLevelText = false;
    OldNumbering m_numbering;
    bool m_numberingAfter = false;
    std::array<int, 12> m_numberingCounters{};
    OldNumbering m_lastNumbering;
    bool m_lastBorderIsCell = false;

    // Characters waiting to be written with one format.
    QString m_run;
    CharState m_runChars;
    int m_runLevel = 0;
    Side m_runSide = Side::Body;
    bool m_runListText = false;
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
