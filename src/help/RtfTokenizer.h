#pragma once

#include <QByteArray>

#include <string_view>

namespace Rtf {

// What the tokenizer finds, in the order it finds it.
class TokenSink
{
public:
    virtual ~TokenSink() = default;
    virtual void OpenGroup() = 0;
    virtual void CloseGroup() = 0;
    // Names are at most MaxWordLength letters; longer ones are dropped here.
    virtual void ControlWord(std::string_view name, bool hasParameter, int parameter) = 0;
    // A symbol other than \' (which arrives as HexByte).
    virtual void ControlSymbol(char symbol) = 0;
    virtual void HexByte(unsigned char byte) = 0;
    virtual void Binary(const char* data, qsizetype size) = 0;
    // Text between the characters that mean something, without line breaks.
    virtual void Text(const char* begin, const char* end) = 0;
    // True once the document's outermost group has closed: nothing after it is read.
    virtual bool Finished() const = 0;
};

// The value of one hexadecimal digit, or -1 when the character is none.
int HexValue(unsigned char c);

// Splits RTF into groups, control words, symbols and text in one pass without recursion.
// Parameters are clamped to 32 bits; \bin counts never reach past the input.
void Tokenize(const QByteArray& input, TokenSink& sink);

constexpr size_t MaxWordLength = 32;

} // namespace Rtf
