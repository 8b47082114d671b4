// Destinations: the font and colour tables, fields and bookmarks, pictures and shapes, notes.
#include "help/RtfBuilder.h"

#include "help/RtfWords.h"

#include <QCoreApplication>
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

bool IsPageField(const QString& instruction)
{
    const QString name = instruction.trimmed().section(QLatin1Char(' '), 0, 0).toUpper();
    return name == QLatin1String("PAGE") || name == QLatin1String("NUMPAGES") || name == QLatin1String("SECTIONPAGES");
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
        // Of all shape properties only the picture shows; its description is what it says.
        if (s.destination == Destination::ShapeProperty) {
            s.destination = Destination::Skip;
            if (m_shapeProperty == "pib") {
                s.destination = Destination::Text;
            } else if (m_shapeProperty == "wzDescription" || (m_shapeProperty == "wzName" && m_altText.isEmpty())) {
                s.destination = Destination::AltText;
                m_altText.clear();
            }
        }
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
    case Destination::AltText:
    case Destination::LevelText:
    case Destination::NumberingText:
        if (word == Word::U) {
            const int unit = parameter < 0 ? parameter + 65536 : parameter;
            if (unit > 0 && unit <= 0xFFFF)
                CaptureCharacter(SymbolCharacter(static_cast<char16_t>(unit)));
            m_skipAfterUnicode = s.uc;
        } else if (word == Word::Tab) {
            CaptureCharacter(u'\t');
        }
        return true;
    case Destination::ListTable:
        ListTableWord(word, parameter);
        return true;
    case Destination::Numbering:
        NumberingWord(word, parameter);
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
        case Word::WmfBlip:
            m_picture.kind = PictureData::Wmf;
            m_picture.data.clear();
            break;
        case Word::EmfBlip:
            m_picture.kind = PictureData::Emf;
            m_picture.data.clear();
            break;
        case Word::ShapeProperty:
            // {\*\picprop{\sp ...}}: the picture's description among its properties.
            s.destination = Destination::ShapeProperty;
            m_shapeProperty.clear();
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
        // Page numbers mean nothing on a screen.
        if (!m_fields.empty() && (s.side == Side::Header || s.side == Side::Footer) && IsPageField(m_fields.back())) {
            s.destination = Destination::Skip;
            return true;
        }
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
        StartSide(Side::Footnote);
        return true;
    case Word::FootnoteAlternative:
        MakeEndnote();
        return true;
    case Word::Header:
        StartSide(Side::Header);
        return true;
    case Word::Footer:
        StartSide(Side::Footer);
        return true;
    case Word::FootnoteMark:
        FootnoteMark();
        return true;
    case Word::ListText:
        FlushRun();
        s.inListText = true;
        s.opensListText = true;
        m_paragraphHasNumber = true;
        m_listTextStart = -1;
        m_listTextOnlyBlanks = true;
        return true;
    case Word::ListTable:
        s.destination = Destination::ListTable;
        return true;
    case Word::Numbering:
        s.destination = Destination::Numbering;
        s.opensNumbering = true;
        m_numbering = OldNumbering();
        m_numbering.level = 10;
        return true;
    case Word::NonShapePicture:
        // The form for older readers shows only where the picture before it could not be drawn.
        if (m_placeholder.isEmpty())
            s.destination = Destination::Skip;
        else
            s.inFallback = true;
        return true;
    case Word::Shape:
        m_shapeShown = false;
        m_inShape = true;
        s.opensShape = true;
        m_shapeLeft = m_shapeRight = m_shapeTop = m_shapeBottom = 0;
        m_altText.clear();
        return true;
    case Word::ShapeLeft:
        m_shapeLeft = std::clamp(parameter, -MaxTwips, MaxTwips);
        return true;
    case Word::ShapeRight:
        m_shapeRight = std::clamp(parameter, -MaxTwips, MaxTwips);
        return true;
    case Word::ShapeTop:
        m_shapeTop = std::clamp(parameter, -MaxTwips, MaxTwips);
        return true;
    case Word::ShapeBottom:
        m_shapeBottom = std::clamp(parameter, -MaxTwips, MaxTwips);
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
    case Destination::AltText:
    case Destination::LevelText:
    case Destination::NumberingText:
        // Below the blanks, bytes of a level's text stand for the numbers of levels.
        if (byte < 0x80)
            CaptureCharacter(byte);
        else
            CaptureCharacter(SingleByteTable(m_documentCodePage)[byte - 0x80]);
        break;
    case Destination::Text:
    case Destination::Skip:
    case Destination::ShapeProperty:
    case Destination::ListTable:
    case Destination::Numbering:
        break;
    }
}

void Builder::CaptureCharacter(char16_t c)
{
    QString* into = nullptr;
    switch (state().destination) {
    case Destination::AltText:
        into = &m_altText;
        break;
    case Destination::LevelText:
        if (m_pendingLevel >= 0 && m_pendingLevel < ListDefinition::Levels)
            into = &m_pendingList.levels[static_cast<size_t>(m_pendingLevel)].text;
        break;
    case Destination::NumberingText:
        into = m_numberingAfter ? &m_numbering.after : &m_numbering.before;
        break;
    default:
        break;
    }
    if (into && into->size() < MaxNameBytes)
        into->append(QChar(c));
}

void Builder::ListTableWord(Word word, int parameter)
{
    GroupState& s = state();
    switch (word) {
    case Word::List:
        m_pendingList = ListDefinition();
        m_pendingLevel = -1;
        m_pendingListId = 0;
        s.opensList = true;
        break;
    case Word::ListLevel:
        ++m_pendingLevel;
        break;
    case Word::LevelFormat:
        if (m_pendingLevel >= 0 && m_pendingLevel < ListDefinition::Levels)
            m_pendingList.levels[static_cast<size_t>(m_pendingLevel)].format = parameter;
        break;
    case Word::LevelStart:
        if (m_pendingLevel >= 0 && m_pendingLevel < ListDefinition::Levels)
            m_pendingList.levels[static_cast<size_t>(m_pendingLevel)].start = std::clamp(parameter, 0, 32767);
        break;
    case Word::LevelFollow:
        if (m_pendingLevel >= 0 && m_pendingLevel < ListDefinition::Levels)
            m_pendingList.levels[static_cast<size_t>(m_pendingLevel)].follow = parameter;
        break;
    case Word::LevelText:
        if (m_pendingLevel >= 0 && m_pendingLevel < ListDefinition::Levels) {
            s.destination = Destination::LevelText;
            ListLevel& level = m_pendingList.levels[static_cast<size_t>(m_pendingLevel)];
            level.text.clear();
            level.hasText = true;
        } else {
            s.destination = Destination::Skip;
        }
        break;
    case Word::ListId:
        m_pendingListId = parameter;
        break;
    case Word::ListOverride:
        m_pendingListId = 0;
        break;
    case Word::ListNumber:
        if (m_listOverrides.size() < 4096)
            m_listOverrides[parameter] = m_pendingListId;
        break;
    default:
        break;
    }
}

void Builder::NumberingWord(Word word, int parameter)
{
    GroupState& s = state();
    switch (word) {
    case Word::NumberingLevel:
        m_numbering.level = static_cast<std::uint8_t>(std::clamp(parameter, 1, 9));
        break;
    case Word::NumberingLevelBody:
        m_numbering.level = 10;
        break;
    case Word::NumberingLevelBullet:
        m_numbering.level = 11;
        m_numbering.format = 24; // a bullet: \levelnfc 23, plus one
        break;
    case Word::NumberingDecimal:
        m_numbering.format = 1;
        break;
    case Word::NumberingUpperRoman:
        m_numbering.format = 2;
        break;
    case Word::NumberingLowerRoman:
        m_numbering.format = 3;
        break;
    case Word::NumberingUpperLetter:
        m_numbering.format = 4;
        break;
    case Word::NumberingLowerLetter:
        m_numbering.format = 5;
        break;
    case Word::NumberingStart:
        m_numbering.start = std::clamp(parameter, 0, 32767);
        break;
    case Word::NumberingTextBefore:
    case Word::NumberingTextAfter:
        s.destination = Destination::NumberingText;
        m_numberingAfter = word == Word::NumberingTextAfter;
        break;
    default:
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
    if (closing.opensList && m_lists.size() < 4096)
        m_lists[m_pendingListId] = m_pendingList;
    if (closing.opensNumbering)
        state().para.numbering = m_numbering;
    if (closing.opensListText)
        EndListText();
    if (closing.opensShape) {
        // Writer writes the description after the picture.
        if (m_shapePicture >= 0 && !m_altText.simplified().isEmpty()) {
            QTextCursor picture(&m_document);
            picture.setPosition(m_shapePicture);
            picture.setPosition(m_shapePicture + 1, QTextCursor::KeepAnchor);
            QTextImageFormat described = picture.charFormat().toImageFormat();
            if (described.isValid()) {
                described.setProperty(QTextFormat::ImageAltText, m_altText.simplified());
                picture.setCharFormat(described);
            }
        }
        m_inShape = false;
        m_shapePicture = -1;
        m_altText.clear();
    }
    if (closing.opensSide)
        EndSide(closing);
}

void Builder::EndSide(const GroupState& closing)
{
    FlushRun();
    QTextCursor& out = OutFor(closing.side);
    if (closing.side == Side::Header || closing.side == Side::Footer) {
        // Only the first header and footer with text show; one without any leaves nothing behind.
        const auto index = static_cast<size_t>(closing.side) - 1;
        if (m_sides[index]->toPlainText().trimmed().isEmpty())
            m_sides[index]->clear();
        else
            m_sideDone[index] = true;
        m_sideCursors[index] = QTextCursor(m_sides[index].get());
        m_sideCursors[index].movePosition(QTextCursor::End);
        return;
    }
    // Each note starts a paragraph of its own.
    if (!out.block().text().isEmpty()) {
        out.setBlockFormat(BlockFormat(closing.para));
        out.insertBlock();
    }
}

void Builder::EndListText()
{
    FlushRun();
    // Writer writes a list text of a lone tab before every heading, numbered or not: it shows nothing.
    if (m_listTextStart >= 0 && m_listTextOnlyBlanks && m_cursor.position() > m_listTextStart) {
        QTextCursor blank(&m_document);
        blank.setPosition(m_listTextStart);
        blank.setPosition(m_cursor.position(), QTextCursor::KeepAnchor);
        blank.removeSelectedText();
    }
    // Where the list text holds no number, the paragraph's numbering gives it.
    if (m_listTextOnlyBlanks) {
        m_paragraphHasNumber = false;
        m_paragraphStarted = false;
    }
    m_listTextStart = -1;
    m_listTextOnlyBlanks = true;
}

void Builder::FinishPicture()
{
    PictureData picture = std::move(m_picture);
    m_picture = PictureData();
    const QString description = m_altText.simplified();
    m_altText.clear();
    const GroupState& s = state();
    if (s.destination != Destination::Text || s.side != Side::Body)
        return;
    if (s.inFallback) {
        if (!m_placeholder.isEmpty() && ReplaceImage(picture, m_document, m_placeholder))
            m_placeholder.clear();
        return;
    }
    // Writer gives a picture's size only by its shape's bounds.
    if (m_inShape && picture.goalW <= 0 && picture.goalH <= 0 && m_shapeRight > m_shapeLeft &&
        m_shapeBottom > m_shapeTop) {
        picture.goalW = m_shapeRight - m_shapeLeft;
        picture.goalH = m_shapeBottom - m_shapeTop;
        picture.scaleX = picture.scaleY = 100;
    }
    bool placeholder = false;
    QTextImageFormat format = MakeImage(picture, m_document, m_pictureCount + 1, &placeholder);
    if (format.name().isEmpty())
        return;
    ++m_pictureCount;
    format.setProperty(QTextFormat::ImageAltText,
                       description.isEmpty()
                           ? QCoreApplication::translate("RtfReader", "Picture %1").arg(m_pictureCount)
                           : description);
    m_placeholder = placeholder ? format.name() : QString();
    m_shapeShown = true;
    if (!m_paragraphStarted)
        StartParagraph();
    EnsureLevel(RunLevel(state()));
    if (m_inShape)
        m_shapePicture = m_cursor.position();
    m_cursor.insertImage(format);
}

namespace {

QString Roman(int number, bool upper)
{
    static constexpr std::pair<int, const char*> values[] = {
        {1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"}, {90, "xc"}, {50, "l"},
        {40, "xl"},  {10, "x"},   {9, "ix"},  {5, "v"},    {4, "iv"},  {1, "i"}};
    QString text;
    number = std::clamp(number, 1, 3999);
    for (const auto& [value, letters] : values)
        for (; number >= value; number -= value)
            text += QLatin1String(letters);
    return upper ? text.toUpper() : text;
}

QString Letters(int number, bool upper)
{
    // a to z, then aa, bb, ... as word processors count on.
    number = std::clamp(number, 1, 26 * 20);
    const QChar letter(char16_t((upper ? u'A' : u'a') + (number - 1) % 26));
    return QString((number - 1) / 26 + 1, letter);
}

} // namespace

QString Builder::NumberText(int number, int format)
{
    switch (format) {
    case 1:
        return Roman(number, true);
    case 2:
        return Roman(number, false);
    case 3:
        return Letters(number, true);
    case 4:
        return Letters(number, false);
    case 22:
        return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
    case 23:
    case 255:
        return {};
    default:
        return QString::number(number);
    }
}

// A note's number: raised in the text, where each mark counts one more, and again in the note.
// Endnotes count on their own, in small roman numerals.
void Builder::FootnoteMark()
{
    GroupState& s = state();
    FlushRun();
    const bool inNote = s.side == Side::Footnote || s.side == Side::Endnote;
    if (s.side == Side::Header || s.side == Side::Footer)
        return;
    if (!inNote)
        ++m_footnoteNumber;
    CharState chars = s.chars;
    chars.vertical = 1;
    QTextCharFormat format = CharFormat(chars);
    const bool endnote = s.side == Side::Endnote;
    const QString number = endnote ? Roman(m_endnoteNumber, false) : QString::number(m_footnoteNumber);
    const QString kind = endnote ? QStringLiteral("end") : QString();
    format.setAnchor(true);
    format.setAnchorNames({kind + (inNote ? QStringLiteral("note-") : QStringLiteral("mark-")) + number});
    format.setAnchorHref(QLatin1Char('#') + kind + (inNote ? QStringLiteral("mark-") : QStringLiteral("note-")) +
                         number);
    QTextCursor& out = OutFor(s.side);
    if (!inNote) {
        if (!m_paragraphStarted)
            StartParagraph();
        EnsureLevel(RunLevel(s));
        m_lastMarkPosition = out.position();
        m_lastMarkLength = static_cast<int>(number.size());
    }
    out.insertText(number, format);
}

void Builder::StartSide(Side side)
{
    GroupState& s = state();
    const bool header = side == Side::Header || side == Side::Footer;
    // A note inside a note has no place to go, and only one header and footer show.
    if (s.side != Side::Body || (header && m_sideDone[static_cast<size_t>(side) - 1])) {
        s.destination = Destination::Skip;
        return;
    }
    FlushRun();
    OutFor(side);
    s.side = side;
    s.opensSide = true;
    m_noteMarkPosition = header ? -1 : m_lastMarkPosition;
    m_noteMarkLength = m_lastMarkLength;
    m_lastMarkPosition = -1;
}

// "\ftnalt": the note is an endnote; the mark already written in the text takes the endnote's number.
void Builder::MakeEndnote()
{
    GroupState& s = state();
    if (s.side != Side::Footnote || !s.opensSide)
        return;
    s.side = Side::Endnote;
    OutFor(Side::Endnote);
    if (m_noteMarkPosition < 0)
        return;
    --m_footnoteNumber;
    ++m_endnoteNumber;
    const QString number = Roman(m_endnoteNumber, false);
    QTextCursor mark(&m_document);
    mark.setPosition(m_noteMarkPosition + 1);
    QTextCharFormat format = mark.charFormat();
    mark.setPosition(m_noteMarkPosition);
    mark.setPosition(m_noteMarkPosition + m_noteMarkLength, QTextCursor::KeepAnchor);
    format.setAnchorNames({QStringLiteral("endmark-") + number});
    format.setAnchorHref(QStringLiteral("#endnote-") + number);
    mark.insertText(number, format);
    m_noteMarkPosition = -1;
}

void Builder::StartTextBox()
{
    GroupState& s = state();
    if (s.side != Side::Body || !m_textBoxes.empty()) {
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
        m_pendingFont.symbol = m_pendingFont.charset == 2 ||
                               m_pendingFont.name.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0 ||
                               m_pendingFont.name.startsWith(QLatin1String("Wingdings"), Qt::CaseInsensitive);
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
    CloseBox();
    InsertSides();
}

void Builder::InsertSides()
{
    const auto side = [this](Side which) -> QTextDocument* {
        QTextDocument* document = m_sides[static_cast<size_t>(which) - 1].get();
        if (!document || document->toPlainText().trimmed().isEmpty())
            return nullptr;
        // Each part ends its paragraph; the last leaves an empty one behind.
        QTextCursor last(document);
        last.movePosition(QTextCursor::End);
        if (last.block().text().isEmpty() && last.block().position() > 0)
            last.deletePreviousChar();
        return document;
    };
    QTextBlockFormat rule;
    rule.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth, QTextLength(QTextLength::PercentageLength, 100));
    m_tables.Ensure(0);
    // The header once, at the top, over a rule.
    if (QTextDocument* header = side(Side::Header)) {
        QTextCursor top(&m_document);
        const QTextBlockFormat first = top.blockFormat();
        const QTextCharFormat firstChars = top.blockCharFormat();
        top.insertBlock(first, firstChars);
        top.setPosition(0);
        top.setBlockFormat(rule);
        top.insertFragment(QTextDocumentFragment(header));
        top.mergeBlockFormat(rule);
    }
    // The notes follow the text, each kind under a rule, and the footer once at the end.
    for (const Side which : {Side::Footnote, Side::Endnote, Side::Footer}) {
        QTextDocument* part = side(which);
        if (!part)
            continue;
        QTextCursor end(&m_document);
        end.movePosition(QTextCursor::End);
        end.insertBlock(rule);
        end.insertBlock(QTextBlockFormat());
        end.insertFragment(QTextDocumentFragment(part));
    }
}

} // namespace Rtf
