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
    case Word::SmallCaps:
        chars.smallCaps = on;
        break;
    case Word::AllCaps:
        chars.allCaps = on;
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
        para.alignment = Qt::AlignLeft | Qt::AlignAbsolute;
        break;
    case Word::AlignCentre:
        para.alignment = Qt::AlignHCenter;
        break;
    case Word::AlignRight:
        para.alignment = Qt::AlignRight | Qt::AlignAbsolute;
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
            para.tabs[para.tabCount++] = TabStop{std::clamp(parameter, 0, MaxTwips), para.nextTabType, para.nextLeader};
        para.nextTabType = 0;
        para.nextLeader = 0;
        break;
    case Word::LeaderDots:
        para.nextLeader = RtfReader::LeaderDots;
        break;
    case Word::LeaderMiddleDots:
        para.nextLeader = RtfReader::LeaderMiddleDots;
        break;
    case Word::LeaderHyphens:
        para.nextLeader = RtfReader::LeaderHyphens;
        break;
    case Word::LeaderUnderline:
        para.nextLeader = RtfReader::LeaderUnderline;
        break;
    case Word::LeaderThick:
        para.nextLeader = RtfReader::LeaderThick;
        break;
    case Word::LeaderEquals:
        para.nextLeader = RtfReader::LeaderEquals;
        break;
    case Word::LineSpacing:
        para.lineSpacing = std::clamp(parameter, -MaxTwips, MaxTwips);
        break;
    case Word::LineMultiple:
        para.lineMultiple = on;
        break;
    case Word::RightToLeft:
        para.direction = -1;
        break;
    case Word::LeftToRight:
        para.direction = 1;
        break;
    case Word::ShadingBack:
        para.shadingBack = parameter;
        break;
    case Word::ShadingFore:
        para.shadingFore = parameter;
        break;
    case Word::Shading:
        para.shading = parameter;
        break;
    case Word::BorderTop:
    case Word::BorderLeft:
    case Word::BorderBottom:
    case Word::BorderRight:
    case Word::BorderBox: {
        const std::uint8_t sides = word == Word::BorderTop      ? BorderTop
                                   : word == Word::BorderLeft   ? BorderLeft
                                   : word == Word::BorderBottom ? BorderBottom
                                   : word == Word::BorderRight  ? BorderRight
                                                                : (BorderTop | BorderLeft | BorderBottom | BorderRight);
        para.borders |= sides;
        para.pendingBorder = sides;
        m_lastBorderIsCell = false;
        break;
    }
    case Word::BorderColor:
        if (!m_lastBorderIsCell)
            para.borderColor = parameter;
        break;
    case Word::ListNumber:
        para.list = parameter;
        break;
    case Word::ListLevelNumber:
        para.listLevel = std::clamp(parameter, 0, ListDefinition::Levels - 1);
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
        m_lastBorderIsCell = true;
        next.pendingSide = CellDefinition::Top;
        next.borders |= next.pendingSide;
        break;
    case Word::CellBorderLeft:
        m_lastBorderIsCell = true;
        next.pendingSide = CellDefinition::Left;
        next.borders |= next.pendingSide;
        break;
    case Word::CellBorderBottom:
        m_lastBorderIsCell = true;
        next.pendingSide = CellDefinition::Bottom;
        next.borders |= next.pendingSide;
        break;
    case Word::CellBorderRight:
        m_lastBorderIsCell = true;
        next.pendingSide = CellDefinition::Right;
        next.borders |= next.pendingSide;
        break;
    case Word::BorderNone:
        if (m_lastBorderIsCell)
            next.borders &= static_cast<std::uint8_t>(~next.pendingSide);
        else
            state().para.borders &= static_cast<std::uint8_t>(~state().para.pendingBorder);
        break;
    // The empty cell that continues a cell merged downwards keeps the first cell's paragraph as it is.
    case Word::Cell:
        if (!inTextBox) {
            FlushRun();
            m_tables.EndCell(1);
            if (!m_tables.InContinuedCell())
                m_cursor.setBlockFormat(BlockFormat(state().para));
            m_paragraphStarted = m_paragraphHasNumber = false;
        }
        break;
    case Word::NestCell:
        if (!inTextBox) {
            FlushRun();
            m_tables.EndCell(std::max(2, state().para.Level()));
            if (!m_tables.InContinuedCell())
                m_cursor.setBlockFormat(BlockFormat(state().para));
            m_paragraphStarted = m_paragraphHasNumber = false;
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

// The number of a paragraph that the file numbers by its list or by \pn without spelling the number out.
void Builder::ListMarker()
{
    const ParaState& para = state().para;
    QString marker;
    if (para.list > 0) {
        const auto override = m_listOverrides.find(para.list);
        const auto list = override == m_listOverrides.end() ? m_lists.end() : m_lists.find(override->second);
        if (list == m_lists.end())
            return;
        const auto& levels = list->second.levels;
        auto& counts = m_listCounters[para.list];
        const auto level = static_cast<size_t>(para.listLevel);
        ++counts[level];
        for (size_t deeper = level + 1; deeper < counts.size(); ++deeper)
            counts[deeper] = 0;
        const ListLevel& definition = levels[level];
        // The first character gives the length; characters below 9 stand for the numbers of those levels.
        const QString text = definition.text.mid(1, definition.text.isEmpty() ? 0 : definition.text.front().unicode());
        for (const QChar c : text) {
            const auto placeholder = static_cast<size_t>(c.unicode());
            if (placeholder < ListDefinition::Levels)
                marker += NumberText(levels[placeholder].start + std::max(counts[placeholder], 1) - 1,
                                     levels[placeholder].format);
            else
                marker += c;
        }
        if (!definition.hasText && definition.format != 255)
            marker = NumberText(definition.start + counts[level] - 1, definition.format) + QLatin1Char('.');
        // Nothing to show but the space after it: nothing shows.
        if (marker.trimmed().isEmpty())
            return;
        if (definition.follow == 0)
            marker += QLatin1Char('\t');
        else if (definition.follow == 1)
            marker += QLatin1Char(' ');
    } else {
        const OldNumbering& numbering = para.numbering;
        const auto level = std::min<size_t>(numbering.level, m_numberingCounters.size() - 1);
        if (!(numbering == m_lastNumbering)) {
            m_lastNumbering = numbering;
            m_numberingCounters[level] = 0;
        }
        const int count = ++m_numberingCounters[level];
        const bool bullet = numbering.format == 24;
        QString before = numbering.before;
        // The Symbol font's bullet, written as its byte.
        if (bullet && (before.isEmpty() || before == QStringLiteral("\u00B7")))
            before = QStringLiteral("\u2022");
        marker = before + (bullet ? QString() : NumberText(numbering.start + count - 1, numbering.format - 1)) +
                 numbering.after;
        if (marker.trimmed().isEmpty())
            return;
        marker += QLatin1Char('\t');
    }
    FlushRun();
    CharState chars = state().chars;
    chars.underline = chars.strike = false;
    chars.link = -1;
    EnsureLevel(RunLevel(state()));
    m_cursor.insertText(marker, CharFormat(chars));
}

} // namespace Rtf
