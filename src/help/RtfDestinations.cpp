// Destinations: the font and colour tables, fields and bookmarks, pictures and shapes, notes.
#include "help/RtfBuilder.h"

#include "help/RtfWords.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextLength>

namespace Rtf {

namespace {

constexpr int MaxFields = 64;
constexpr int MaxNameBytes = 256;

// The target of a HYPERLINK field instruction, or nothing for other fields.
QString HyperlinkTarget(const QString& instruction)
{
    const QString text = instruction.trimmed();
    if (!text.startsWith(QLatin1String("HYPERLINK"), Qt::CaseInsensitive))
        return {};
    const QString rest = text.mid(9);
    QString target;
    const qsizetype open = rest.indexOf(QLatin1Char('"'));
    if (open >= 0) {
        const qsizetype close = rest.indexOf(QLatin1Char('"'), open + 1);
        target = rest.mid(open + 1, close < 0 ? -1 : close - open - 1);
    } else {
        target = rest.trimmed().section(QLatin1Char(' '), 0, 0);
    }
    // \l names a place inside the document.
    if (rest.contains(QLatin1String("\\l")) && !target.startsWith(QLatin1Char('#')))
        target.prepend(QLatin1Char('#'));
    return target;
}

} // namespace

bool Builder::DestinationWord(Word word, int parameter)
{
    GroupState& s = state();
    // Words that open a destination or matter in any destination.
    switch (word) {
    case Word::Skip:
        s.destination = Destination::Skip;
        return true;
    case Word::Rtf:
        if (m_stack.size() == 2)
            m_sawHeader = true;
        return true;
    case Word::FontTable:
        s.destination = Destination::FontTable;
        return true;
    case Word::ColorTable:
        s.destination = Destination::ColorTable;
        return true;
    case Word::Upr:
        // Two forms of the same text follow: the code-page one, then {\*\ud} in Unicode.
        s.destination = Destination::Skip;
        s.inUpr = true;
        return true;
    case Word::Ud:
        if (s.inUpr && m_stack.size() >= 2 && m_stack[m_stack.size() - 2].inUpr &&
            m_stack[m_stack.size() - 2].destination == Destination::Skip) {
            s.inUpr = false;
            s.destination = m_stack.size() >= 3 ? m_stack[m_stack.size() - 3].destination : Destination::Text;
        }
        return true;
    case Word::ShapePropertyName:
        if (s.destination == Destination::ShapeProperty) {
            s.destination = Destination::ShapePropertyName;
            m_shapeProperty.clear();
        }
        return true;
    case Word::ShapePropertyValue:
        // Of all shape properties only the picture shows.
        if (s.destination == Destination::ShapeProperty)
            s.destination = m_shapeProperty == "pib" ? Destination::Text : Destination::Skip;
        return true;
    default:
        break;
    }

    switch (s.destination) {
    case Destination::Skip:
    case Destination::FieldInstruction:
    case Destination::Bookmark:
    case Destination::ShapeProperty:
    case Destination::ShapePropertyName:
        return true;
    case Destination::FontTable:
        if (word == Word::Font) {
            CommitFont();
            m_pendingFontNumber = parameter;
        } else if (word == Word::Charset) {
            m_pendingFont.charset = parameter;
        } else if (word == Word::FontCodePage) {
            m_pendingFont.codePage = parameter;
        }
        return true;
    case Destination::ColorTable:
        if (word == Word::Red || word == Word::Green || word == Word::Blue) {
            (word == Word::Red ? m_red : word == Word::Green ? m_green : m_blue) = std::clamp(parameter, 0, 255);
            m_colorSet = true;
        }
        return true;
    case Destination::Picture:
        switch (word) {
        case Word::PngBlip:
            m_picture.kind = PictureData::Png;
            break;
        case Word::JpegBlip:
            m_picture.kind = PictureData::Jpeg;
            break;
        case Word::OtherBlip:
            m_picture.kind = PictureData::Other;
            m_picture.data.clear();
            break;
        case Word::PicW:
            m_picture.picW = parameter;
            break;
        case Word::PicH:
            m_picture.picH = parameter;
            break;
        case Word::PicWGoal:
            m_picture.goalW = parameter;
            break;
        case Word::PicHGoal:
            m_picture.goalH = parameter;
            break;
        case Word::PicScaleX:
            m_picture.scaleX = parameter;
            break;
        case Word::PicScaleY:
            m_picture.scaleY = parameter;
            break;
        default:
            break;
        }
        return true;
    case Destination::Text:
        break;
    }

    switch (word) {
    case Word::Field:
        if (m_fields.size() < static_cast<size_t>(MaxFields)) {
            m_fields.emplace_back();
            s.ownsField = true;
        }
        return true;
    case Word::FieldInstruction:
        s.destination = Destination::FieldInstruction;
        return true;
    case Word::FieldResult:
        if (!m_fields.empty()) {
            const QString target = HyperlinkTarget(m_fields.back());
            if (!target.isEmpty()) {
                m_links.append(target);
                s.chars.link = static_cast<int>(m_links.size() - 1);
            }
        }
        return true;
    case Word::BookmarkStart:
        FlushRun();
        s.destination = Destination::Bookmark;
        s.opensBookmark = true;
        m_bookmark.clear();
        return true;
    case Word::Picture:
        FlushRun();
        s.destination = Destination::Picture;
        s.startsPicture = true;
        m_picture = PictureData();
        return true;
    case Word::Footnote:
        StartNote();
        return true;
    case Word::FootnoteMark:
        FootnoteMark();
        return true;
    case Word::Shape:
        m_shapeShown = false;
        return true;
    case Word::ShapeInstance:
        return true;
    case Word::ShapeProperty:
        s.destination = Destination::ShapeProperty;
        m_shapeProperty.clear();
        return true;
    case Word::ShapeText:
        StartTextBox();
        return true;
    case Word::ShapeResult:
        // What a shape looks like to readers that do not know shapes: shown only when the shape
        // itself showed nothing.
        if (m_shapeShown)
            s.destination = Destination::Skip;
        return true;
    default:
        return false;
    }
}

void Builder::DestinationByte(unsigned char byte)
{
    switch (state().destination) {
    case Destination::FontTable:
        if (byte == ';')
            CommitFont();
        else if (m_pendingFont.rawName.size() < MaxNameBytes)
            m_pendingFont.rawName.append(static_cast<char>(byte));
        break;
    case Destination::ColorTable:
        if (byte == ';')
            CommitColor();
        break;
    case Destination::FieldInstruction:
        if (!m_fields.empty() && m_fields.back().size() < 4096)
            m_fields.back().append(QLatin1Char(static_cast<char>(byte)));
        break;
    case Destination::Bookmark:
        if (m_bookmark.size() < MaxNameBytes)
            m_bookmark.append(static_cast<char>(byte));
        break;
    case Destination::ShapePropertyName:
        if (m_shapeProperty.size() < 32)
            m_shapeProperty.append(static_cast<char>(byte));
        break;
    case Destination::Picture:
        m_picture.AppendHex(byte);
        break;
    case Destination::Text:
    case Destination::Skip:
    case Destination::ShapeProperty:
        break;
    }
}

void Builder::EndGroup(const GroupState& closing)
{
    if (closing.destination == Destination::FontTable)
        CommitFont();
    if (closing.startsPicture)
        FinishPicture();
    if (closing.ownsField && !m_fields.empty())
        m_fields.pop_back();
    if (closing.opensBookmark && m_pendingAnchors.size() < 16) {
        const QString name = QString::fromLatin1(m_bookmark).trimmed();
        if (!name.isEmpty())
            m_pendingAnchors.append(name);
    }
    if (closing.opensTextBox)
        EndTextBox();
    if (closing.opensNote) {
        FlushRun();
        // Each note starts a paragraph of its own.
        if (!m_noteCursor.block().text().isEmpty()) {
            m_noteCursor.setBlockFormat(BlockFormat(closing.para));
            m_noteCursor.insertBlock();
        }
    }
}

void Builder::FinishPicture()
{
    PictureData picture = std::move(m_picture);
    m_picture = PictureData();
    if (state().destination != Destination::Text || state().inNote)
        return;
    const QTextImageFormat format = MakeImage(picture, m_document, m_pictureCount + 1);
    if (format.name().isEmpty())
        return;
    ++m_pictureCount;
    m_shapeShown = true;
    EnsureLevel(RunLevel(state()));
    m_cursor.insertImage(format);
}

// A note's number: raised in the text, where each mark counts one more, and again in the note.
void Builder::FootnoteMark()
{
    GroupState& s = state();
    if (!s.inNote)
        ++m_noteNumber;
    FlushRun();
    CharState chars = s.chars;
    chars.vertical = 1;
    QTextCharFormat format = CharFormat(chars);
    const QString number = QString::number(m_noteNumber);
    format.setAnchor(true);
    format.setAnchorNames({(s.inNote ? QStringLiteral("note-") : QStringLiteral("mark-")) + number});
    format.setAnchorHref((s.inNote ? QStringLiteral("#mark-") : QStringLiteral("#note-")) + number);
    if (!s.inNote)
        EnsureLevel(RunLevel(s));
    (s.inNote ? m_noteCursor : m_cursor).insertText(number, format);
}

void Builder::StartNote()
{
    GroupState& s = state();
    if (s.inNote) {
        s.destination = Destination::Skip; // a note inside a note has no place to go
        return;
    }
    FlushRun();
    if (!m_notes) {
        m_notes = std::make_unique<QTextDocument>();
        m_noteCursor = QTextCursor(m_notes.get());
    }
    s.inNote = true;
    s.opensNote = true;
}

void Builder::StartTextBox()
{
    GroupState& s = state();
    if (s.inNote || !m_textBoxes.empty()) {
        s.destination = Destination::Skip;
        return;
    }
    FlushRun();
    m_tables.Ensure(m_tables.Depth());
    m_textBoxLevel = m_tables.Depth();
    QTextFrameFormat box;
    box.setBorder(1);
    box.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    box.setPadding(4);
    box.setMargin(4);
    m_textBoxes.push_back(m_cursor.insertFrame(box));
    m_shapeShown = true;
    s.inTextBox = true;
    s.opensTextBox = true;
}

void Builder::EndTextBox()
{
    FlushRun();
    QTextFrame* box = m_textBoxes.back();
    m_textBoxes.pop_back();
    // The paragraph mark that ends a text box's last paragraph leaves an empty one behind.
    QTextCursor last = box->lastCursorPosition();
    if (last.block().text().isEmpty() && last.block().position() > box->firstPosition())
        last.deletePreviousChar();
    m_cursor.setPosition(box->lastPosition() + 1);
}

void Builder::CommitFont()
{
    if (m_pendingFontNumber >= 0 && m_fonts.size() < 4096) {
        const int codePage = m_pendingFont.codePage > 0 ? m_pendingFont.codePage
                                                        : CodePageForCharset(m_pendingFont.charset, m_documentCodePage);
        QString name;
        if (IsDoubleByte(codePage)) {
            name = DecodeDoubleByte(codePage, m_pendingFont.rawName);
        } else {
            const CodePageTable& table = SingleByteTable(codePage);
            for (const char c : std::as_const(m_pendingFont.rawName)) {
                const auto byte = static_cast<unsigned char>(c);
                name.append(QChar(byte < 0x80 ? char16_t(byte) : table[byte - 0x80]));
            }
        }
        m_pendingFont.name = name.trimmed();
        m_fonts[m_pendingFontNumber] = m_pendingFont;
    }
    m_pendingFont = FontEntry();
    m_pendingFontNumber = -1;
    m_codePageFont = std::numeric_limits<int>::min();
}

void Builder::CommitColor()
{
    if (m_colors.size() < 4096)
        m_colors.append(m_colorSet ? QColor(m_red, m_green, m_blue) : QColor());
    m_red = m_green = m_blue = 0;
    m_colorSet = false;
}

void Builder::Finish()
{
    if (!m_finished) {
        // Cut short: what was read so far still shows.
        FlushRun();
        Out().setBlockFormat(BlockFormat(state().para));
    }
    while (!m_textBoxes.empty())
        EndTextBox();
    if (!m_notes || m_notes->isEmpty())
        return;
    // Each note ends its paragraph; the last leaves an empty one behind.
    QTextCursor last(m_notes.get());
    last.movePosition(QTextCursor::End);
    if (last.block().text().isEmpty())
        last.deletePreviousChar();
    // The notes follow the text, under a rule.
    m_tables.Ensure(0);
    QTextCursor end(&m_document);
    end.movePosition(QTextCursor::End);
    QTextBlockFormat rule;
    rule.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth, QTextLength(QTextLength::PercentageLength, 100));
    end.insertBlock(rule);
    end.insertBlock(QTextBlockFormat());
    end.insertFragment(QTextDocumentFragment(m_notes.get()));
}

} // namespace Rtf
