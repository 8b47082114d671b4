// Control words of running text: characters, character and paragraph formatting, tables.
#include "help/RtfBuilder.h"

#include "help/RtfWords.h"

#include <QTextDocument>
#include <QTextOption>

namespace Rtf {

namespace {

char16_t CharacterFor(Word word)
{
    switch (word) {
    case Word::EmDash:
        return u'\u2014';
    case Word::EnDash:
        return u'\u2013';
    case Word::EmSpace:
        return u'\u2003';
    case Word::EnSpace:
        return u'\u2002';
    case Word::QmSpace:
        return u'\u2005';
    case Word::Bullet:
        return u'\u2022';
    case Word::LQuote:
        return u'\u2018';
    case Word::RQuote:
        return u'\u2019';
    case Word::LDblQuote:
        return u'\u201C';
    case Word::RDblQuote:
        return u'\u201D';
    case Word::Zwj:
        return u'\u200D';
    case Word::Zwnj:
        return u'\u200C';
    case Word::Line:
        return u'\u2028';
    case Word::Tab:
        return u'\t';
    default:
        return 0;
    }
}

} // namespace

void Builder::TextWord(Word word, bool hasParameter, int parameter)
{
    GroupState& s = state();
    CharState& chars = s.chars;
    ParaState& para = s.para;
    const bool on = !hasParameter || parameter != 0;
    if (const char16_t c = CharacterFor(word)) {
        Character(c);
        return;
    }
    switch (word) {
    case Word::Ansi:
        m_documentCodePage = 1252;
        break;
    case Word::Mac:
        m_documentCodePage = 10000;
        break;
    case Word::Pc:
        m_documentCodePage = 437;
        break;
    case Word::Pca:
        m_documentCodePage = 850;
        break;
    case Word::AnsiCpg:
        m_documentCodePage = parameter;
        break;
    case Word::Deff:
        m_defaultFont = parameter;
        if (chars.font < 0)
            chars.font = parameter;
        break;
    case Word::DefTab:
        if (parameter > 0) {
            QTextOption option = m_document.defaultTextOption();
            option.setTabStopDistance(PixelsFromTwips(parameter));
            m_document.setDefaultTextOption(option);
        }
        break;
    case Word::Uc:
        s.uc = static_cast<std::uint8_t>(std::clamp(parameter, 0, 8));
        break;
    case Word::U: {
        const int unit = parameter < 0 ? parameter + 65536 : parameter;
        Character(unit >= 0 && unit <= 0xFFFF ? static_cast<char16_t>(unit) : u'\uFFFD');
        m_skipAfterUnicode = s.uc;
        break;
    }
    case Word::Plain: {
        const int link = chars.link;
        chars = CharState();
        chars.font = m_defaultFont;
        chars.link = link;
        break;
    }
    case Word::Font:
        chars.font = parameter;
        break;
    case Word::Bold:
        chars.bold = on;
        break;
    case Word::Italic:
        chars.italic = on;
        break;
    case Word::Underline:
        chars.underline = on;
        break;
    case Word::UnderlineNone:
        chars.underline = false;
        break;
    case Word::Strike:
        chars.strike = on;
        break;
    case Word::FontSize:
        chars.halfPoints = hasParameter ? std::clamp(parameter, 1, MaxHalfPoints) : 24;
        break;
    case Word::Foreground:
        chars.foreground = parameter;
        break;
    case Word::Background:
        chars.background = parameter;
        break;
    case Word::Super:
        chars.vertical = on ? 1 : 0;
        break;
    case Word::Sub:
        chars.vertical = on ? -1 : 0;
        break;
    case Word::Up:
        chars.vertical = on ? 1 : 0;
        break;
    case Word::Down:
        chars.vertical = on ? -1 : 0;
        break;
    case Word::NoSuperSub:
        chars.vertical = 0;
        break;
    case Word::Hidden:
        chars.hidden = on;
        break;
    case Word::Par:
    case Word::Break:
        EndParagraph();
        break;
    case Word::Pard:
        para = ParaState();
        break;
    case Word::AlignLeft:
        para.alignment = Qt::AlignLeft;
        break;
    case Word::AlignCentre:
        para.alignment = Qt::AlignHCenter;
        break;
    case Word::AlignRight:
        para.alignment = Qt::AlignRight;
        break;
    case Word::AlignJustify:
        para.alignment = Qt::AlignJustify;
        break;
    case Word::LeftIndent:
        para.left = std::clamp(parameter, -MaxTwips, MaxTwips);
        break;
    case Word::RightIndent:
        para.right = std::clamp(parameter, -MaxTwips, MaxTwips);
        break;
    case Word::FirstIndent:
        para.first = std::clamp(parameter, -MaxTwips, MaxTwips);
        break;
    case Word::SpaceBefore:
        para.before = parameter;
        break;
    case Word::SpaceAfter:
        para.after = parameter;
        break;
    case Word::TabRight:
        para.nextTabType = 1;
        break;
    case Word::TabCentre:
        para.nextTabType = 2;
        break;
    case Word::TabDecimal:
        para.nextTabType = 3;
        break;
    case Word::TabStop:
        if (para.tabCount < ParaState::MaxTabs)
            para.tabs[para.tabCount++] = TabStop{std::clamp(parameter, 0, MaxTwips), para.nextTabType};
        para.nextTabType = 0;
        break;
    case Word::InTable:
        para.inTable = on;
        break;
    case Word::Itap:
        para.itap = std::clamp(parameter, 0, RtfReader::MaxTableDepth);
        break;
    default:
        CellWord(word, parameter);
        break;
    }
}

void Builder::CellWord(Word word, int parameter)
{
    RowDefinition& row = m_tables.Definition();
    CellDefinition& next = row.next;
    const bool inTextBox = state().inTextBox;
    switch (word) {
    case Word::RowDefaults:
        row = RowDefinition();
        break;
    case Word::RowLeft:
        row.left = std::clamp(parameter, -MaxTwips, MaxTwips);
        break;
    case Word::CellX:
        if (row.cells.size() < static_cast<size_t>(RtfReader::MaxTableColumns)) {
            next.right = std::clamp(parameter, -MaxTwips, MaxTwips);
            row.cells.push_back(next);
        }
        next = CellDefinition();
        break;
    case Word::CellMergeFirst:
        next.across = CellDefinition::First;
        break;
    case Word::CellMerge:
        next.across = CellDefinition::Continued;
        break;
    case Word::CellVMergeFirst:
        next.down = CellDefinition::First;
        break;
    case Word::CellVMerge:
        next.down = CellDefinition::Continued;
        break;
    case Word::CellShading:
        next.shading = parameter;
        break;
    case Word::CellBorderTop:
        next.pendingSide = CellDefinition::Top;
        next.borders |= next.pendingSide;
        break;
    case Word::CellBorderLeft:
        next.pendingSide = CellDefinition::Left;
        next.borders |= next.pendingSide;
        break;
    case Word::CellBorderBottom:
        next.pendingSide = CellDefinition::Bottom;
        next.borders |= next.pendingSide;
        break;
    case Word::CellBorderRight:
        next.pendingSide = CellDefinition::Right;
        next.borders |= next.pendingSide;
        break;
    case Word::BorderNone:
        next.borders &= static_cast<std::uint8_t>(~next.pendingSide);
        break;
    case Word::Cell:
        if (!inTextBox) {
            FlushRun();
            m_tables.EndCell(1);
            m_cursor.setBlockFormat(BlockFormat(state().para));
        }
        break;
    case Word::NestCell:
        if (!inTextBox) {
            FlushRun();
            m_tables.EndCell(std::max(2, state().para.Level()));
            m_cursor.setBlockFormat(BlockFormat(state().para));
        }
        break;
    case Word::Row:
        if (!inTextBox) {
            FlushRun();
            m_tables.EndRow(1);
        }
        break;
    case Word::NestRow:
        if (!inTextBox) {
            FlushRun();
            m_tables.EndRow(std::max(2, state().para.Level()));
        }
        break;
    default:
        break;
    }
}

} // namespace Rtf
