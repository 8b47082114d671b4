#pragma once

#include "startup/RtfReader.h"

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
    std::int8_t vertical = 0; // 1 superscript, -1 subscript

    bool operator==(const CharState&) const = default;
};

struct TabStop
{
    int position = 0;      // twips from the paragraph's left edge of the page
    std::uint8_t type = 0; // 0 left, 1 right, 2 centre, 3 decimal
};

struct ParaState
{
    static constexpr int MaxTabs = 24;

    Qt::Alignment alignment = Qt::AlignLeft;
    int left = 0, right = 0, first = 0, before = 0, after = 0;
    bool inTable = false;
    int itap = 0;
    std::array<TabStop, MaxTabs> tabs{};
    std::uint8_t tabCount = 0;
    std::uint8_t nextTabType = 0;

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
    bool opensNote = false;
    bool opensTextBox = false;
    bool opensBookmark = false;
    // Inherited by the groups inside.
    bool inUpr = false;
    bool inNote = false;
    bool inTextBox = false;
    // "{\*": the first word decides whether the group shows.
    bool starred = false;
};

struct FontEntry
{
    QByteArray rawName;
    QString name;
    int charset = 0;
    int codePage = 0;
};

} // namespace Rtf
