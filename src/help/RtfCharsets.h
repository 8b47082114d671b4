#pragma once

#include <QByteArray>
#include <QString>

#include <array>

namespace Rtf {

// The upper half of a single-byte code page.
using CodePageTable = std::array<char16_t, 128>;

// The code page a font's \fcharset stands for, or documentCodePage where it names none.
int CodePageForCharset(int charset, int documentCodePage);

// Code pages of two bytes per character (Japanese, Chinese, Korean).
bool IsDoubleByte(int codePage);
// True when byte starts a two-byte character in the double-byte codePage.
bool IsLeadByte(int codePage, unsigned char byte);

// The table of a single-byte code page; Windows-1252 stands in for unknown ones.
const CodePageTable& SingleByteTable(int codePage);

// The character that the Symbol and Wingdings fonts' private character c stands for, where it is a
// bullet or sign that Unicode has; c itself otherwise.
char16_t SymbolCharacter(char16_t c);

// Bytes of a double-byte code page as text; what cannot be decoded becomes U+FFFD.
QString DecodeDoubleByte(int codePage, const QByteArray& bytes);

} // namespace Rtf
