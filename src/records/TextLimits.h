#pragma once

#include <QString>

// How long a note or a buyer read from a file may be. The lot editor admits 45 characters;
// anything much longer comes from a hand-edited or hostile file and is cut as it is read, so
// that no window has to lay out megabytes of text. Notes are cut alike in the settings and in
// the journal, so that a result still finds its lot.
namespace TextLimits {

constexpr qsizetype MaxNote = 65536;
// A paddle or bidder number.
constexpr qsizetype MaxBuyer = 12;
// A lot's consignor number.
constexpr qsizetype MaxVendor = 12;
// A lot's picture path; longer than any path the system opens.
constexpr qsizetype MaxPicture = 4096;

// The text cut to at most length characters, never between the halves of a surrogate pair.
inline QString Cut(const QString& text, qsizetype length)
{
    if (text.size() <= length)
        return text;
    return text.left(length > 0 && text.at(length - 1).isHighSurrogate() ? length - 1 : length);
}

} // namespace TextLimits
