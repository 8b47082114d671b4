#pragma once

#include "help/RtfReader.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <array>
#include <cstdint>

namespace Rtf {

// Layout lengths are written in twips; the document measures in pixels at 96 dpi.
constexpr double TwipsPerPixel = 15.0;
// Lengths and sizes beyond these are hostile; they are clamped, not refused.
constexpr int MaxTwips = 31680; // 22 inches
constexpr int MaxHalfPoints = 3276;

inline double PixelsFromTwips(int twips)
{
    return std::clamp(twips, -MaxTwips, MaxTwips) / TwipsPerPixel;
}

// Where the text of a group goes.
enum class Destination : std::uint8_t
{
    Text,
    Skip,
    FontTable,
    ColorTable,
    FieldInstruction,
    Picture,
    Bookmark,
    ShapeProperty,
    ShapePropertyName,
    AltText,      // a picture's description, from its shape's properties
    ListTable,    // \listtable and \listoverridetable
    LevelText,    // a list level's number text
    Numbering,    // \pn: a paragraph's numbering in the older form
    NumberingText // \pntxtb, \pntxta
};

// Where running text goes: the body, or one of the parts gathered around it.
enum class Side : std::uint8_t
{
    Body,
    Footnote,
    Endnote,
    Header,
    Footer,
};

struct CharState
{
    int font = -1;
    int halfPoints = 24;
    int foreground = 0; // colour table index; 0 is the automatic colour
    int background = 0;
    int link = -1; // index into the reader's links
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    bool smallCaps = false;
    bool allCaps = false;
    std::int8_t vertical = 0; // 1 superscript, -1 subscript

    bool operator==(const CharState&) const = default;
};

struct TabStop
{
    int position = 0;        // twips from the paragraph's left edge of the page
    std::uint8_t type = 0;   // 0 left, 1 right, 2 centre, 3 decimal
    std::uint8_t leader = 0; // RtfReader::Leader
};

// Numbering in the older form (\pn), as AbiWord and Word 95 write it.
struct OldNumbering
{
    std::uint8_t format = 0; // 0 none, else as \levelnfc + 1
    std::uint8_t level = 0;  // 1 to 9, 10 for the body level, 11 for a bullet
    int start = 1;
    QString before, after;

    bool operator==(const OldNumbering&) const = default;
};

// Borders of a paragraph, as bits.
enum BorderSide : std::uint8_t
{
    BorderTop = 1,
    BorderLeft = 2,
    BorderBottom = 4,
    BorderRight = 8,
};

struct ParaState
{
    static constexpr int MaxTabs = 24;

    // \ql and \qr are absolute; without either a paragraph follows its direction.
    Qt::Alignment alignment = Qt::AlignLeft;
    int left = 0, right = 0, first = 0, before = 0, after = 0;
    int lineSpacing = 0; // \sl: twips, negative for exactly
    bool lineMultiple = false;
    std::int8_t direction = 0; // 1 left to right, -1 right to left, 0 from the text
    bool inTable = false;
    int itap = 0;
    std::array<TabStop, MaxTabs> tabs{};
    std::uint8_t tabCount = 0;
    std::uint8_t nextTabType = 0;
    std::uint8_t nextLeader = 0;
    // Shading: a background colour, and a pattern colour laid over it in hundredths of a percent.
    int shadingBack = 0, shadingFore = 0, shading = 0;
    std::uint8_t borders = 0; // BorderSide bits
    std::uint8_t pendingBorder = 0;
    int borderColor = 0;
    // Numbering: a list of the list table and its level, or the older form.
    int list = 0;
    int listLevel = 0;
    OldNumbering numbering;

    int Level() const
    {
        const int level = itap > 0 ? itap : (inTable ? 1 : 0);
        return std::min(level, RtfReader::MaxTableDepth);
    }
};

struct GroupState
{
    CharState chars;
    ParaState para;
    Destination destination = Destination::Text;
    std::uint8_t uc = 1;
    // What this group began and must end when it closes.
    bool startsPicture = false;
    bool ownsField = false;
    bool opensSide = false;
    bool opensTextBox = false;
    bool opensBookmark = false;
    bool opensList = false;
    bool opensNumbering = false;
    bool opensListText = false;
    bool opensShape = false;
    // Inherited by the groups inside.
    bool inUpr = false;
    bool inTextBox = false;
    bool inListText = false;
    bool inFallback = false; // \nonshppict shown in place of a picture that could not be drawn
    Side side = Side::Body;
    // "{\*": the first word decides whether the group shows.
    bool starred = false;
};

struct FontEntry
{
    QByteArray rawName;
    QString name;
    int charset = 0;
    int codePage = 0;
    // Symbol and Wingdings: their bullets are written as private characters.
    bool symbol = false;
};

// One level of a list of the list table.
struct ListLevel
{
    int format = 0; // \levelnfc
    int start = 1;
    int follow = 0; // 0 a tab, 1 a blank, 2 nothing
    // The number text: characters below 9 stand for the numbers of those levels.
    QString text;
    bool hasText = false;
};

struct ListDefinition
{
    static constexpr int Levels = 9;
    std::array<ListLevel, Levels> levels{};
};

} // namespace Rtf
