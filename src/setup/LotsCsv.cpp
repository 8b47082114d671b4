#include "setup/LotsCsv.h"

#include "records/AppSettings.h"
#include "records/Limits.h"
#include "records/NumberText.h"
#include "records/RegularFile.h"
#include "records/TextLimits.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <csv.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <iterator>
#include <numeric>
#include <vector>

namespace {

constexpr size_t ParseChunk = 1 << 20;
constexpr qsizetype QuotedCellLength = 20;

// Bytes 0x80 to 0x9F of Windows-1252; the others are those of Latin-1. The five codes the
// code page leaves unassigned map to the control characters of the same value, as Windows does.
constexpr std::array<char16_t, 32> Windows1252High = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString fromWindows1252(const char* data, size_t size)
{
    QString text(static_cast<qsizetype>(size), Qt::Uninitialized);
    QChar* out = text.data();
    for (size_t i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(data[i]);
        out[i] =
            (byte >= 0x80 && byte < 0xA0) ? QChar(Windows1252High[byte - 0x80]) : QChar(static_cast<char16_t>(byte));
    }
    return text;
}

// Control characters have no place in a lot list; a file with them is taken for binary.
// Tab and the line ends are text, and the lot field separator is dropped from notes.
bool looksLikeText(QByteArrayView bytes)
{
    return std::none_of(bytes.begin(), bytes.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r' && byte != 0x05;
    });
}

// The separator of the first records, counted outside quotes: the one that occurs equally often
// in every sampled record wins over one that does not, then the more frequent one, then the
// order comma, semicolon, tab.
char detectSeparator(QByteArrayView bytes)
{
    constexpr std::array<char, 3> candidates = {',', ';', '\t'};
    constexpr int SampledRecords = 20;
    std::array<std::vector<int>, 3> counts;
    std::array<int, 3> current = {};
    bool quoted = false;
    bool recordHasText = false;
    int records = 0;
    auto endRecord = [&] {
        if (recordHasText) {
            for (size_t c = 0; c < candidates.size(); ++c)
                counts[c].push_back(current[c]);
            ++records;
        }
        current = {};
        recordHasText = false;
    };
    for (qsizetype i = 0; i < bytes.size() && records < SampledRecords; ++i) {
        const char byte = bytes[i];
        if (byte == '"') {
            quoted = !quoted;
            recordHasText = true;
        } else if (quoted) {
            continue;
        } else if (byte == '\n' || byte == '\r') {
            endRecord();
        } else {
            for (size_t c = 0; c < candidates.size(); ++c)
                current[c] += byte == candidates[c];
            recordHasText = recordHasText || byte != ' ';
        }
    }
    endRecord();

    char best = ',';
    std::pair<bool, int> bestScore = {false, 0};
    for (size_t c = 0; c < candidates.size(); ++c) {
        if (counts[c].empty())
            continue;
        const bool steady =
            std::all_of(counts[c].begin(), counts[c].end(), [&](int n) { return n > 0 && n == counts[c].front(); });
        const int total = std::accumulate(counts[c].begin(), counts[c].end(), 0);
        const std::pair<bool, int> score = {steady, total};
        if (total > 0 && score > bestScore) {
            best = candidates[c];
            bestScore = score;
        }
    }
    return best;
}

enum class Column
{
    Lot,
    Amount,
    Note,
    Reserve,
    Low,
    High,
    Vendor,
    Picture,
    Other
};

Column columnNamed(const QString& cell)
{
    const QString name = cell.simplified().toLower();
    for (const char16_t* lot : {u"lot", u"lot number", u"lot #", u"number"})
        if (name == QStringView(lot))
            return Column::Lot;
    for (const char16_t* amount : {u"starting bid", u"start", u"amount", u"bid", u"price"})
        if (name == QStringView(amount))
            return Column::Amount;
    for (const char16_t* note : {u"note", u"description", u"title"})
        if (name == QStringView(note))
            return Column::Note;
    for (const char16_t* reserve : {u"reserve", u"reserve price"})
        if (name == QStringView(reserve))
            return Column::Reserve;
    for (const char16_t* low : {u"low estimate", u"estimate low", u"low"})
        if (name == QStringView(low))
            return Column::Low;
    for (const char16_t* high : {u"high estimate", u"estimate high", u"high"})
        if (name == QStringView(high))
            return Column::High;
    for (const char16_t* vendor :
         {u"vendor", u"vendor #", u"vendor number", u"consignor", u"consignor #", u"consignor number"})
        if (name == QStringView(vendor))
            return Column::Vendor;
    for (const char16_t* picture : {u"picture", u"image", u"photo"})
        if (name == QStringView(picture))
            return Column::Picture;
    return Column::Other;
}

QString quotedCell(const QString& cell)
{
    QString shown = cell.simplified();
    if (shown.size() > QuotedCellLength)
        shown = shown.left(QuotedCellLength) + QChar(0x2026);
    return u'"' + shown + u'"';
}

bool isBlankRow(const QList<QString>& cells)
{
    return std::all_of(cells.begin(), cells.end(), [](const QString& cell) {
        return std::all_of(cell.begin(), cell.end(), [](QChar c) { return c.isSpace(); });
    });
}

// A cell that spreadsheets would run as a formula starts with one of these. Such a note is written
// behind a quote, which spreadsheets show as text, and that one quote is taken off when it is read.
bool startsFormula(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u'\'')
        ++i;
    return i < text.size() && QStringView(u"=+-@\t\r").contains(text[i]);
}

// Blanks around a number, the non-breaking space included, as spreadsheets pad them.
QStringView trimmedCell(QStringView cell)
{
    qsizetype begin = 0;
    qsizetype end = cell.size();
    while (begin < end && cell[begin].isSpace())
        ++begin;
    while (end > begin && cell[end - 1].isSpace())
        --end;
    return cell.sliced(begin, end - begin);
}

// A note as the editor would hold it: line breaks as LF and no lot field separator.
QString noteText(QString cell)
{
    if (cell.startsWith(u'\'') && startsFormula(cell))
        cell.remove(0, 1);
    if (cell.contains(u'\r')) {
        cell.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        cell.replace(u'\r', u'\n');
    }
    if (cell.contains(AppSettings::LotFieldSeparator))
        cell.remove(AppSettings::LotFieldSeparator);
    return cell;
}

// Everything one pass of libcsv needs; its callbacks get it back as their data pointer.
class RowReader
{
public:
    RowReader(LotsCsv::Reading& reading, QString baseDirectory)
        : m_reading(reading), m_baseDirectory(std::move(baseDirectory))
    {}

    static void field(void* data, size_t size, void* self) { static_cast<RowReader*>(self)->onField(data, size); }
    static void recordEnd(int terminator, void* self) { static_cast<RowReader*>(self)->onRecordEnd(terminator); }

    bool stopped() const { return !m_reading.refusal.isEmpty(); }
    // Rows taken as they are, for lists other than lots.
    void setTable(QList<QStringList>* table) { m_table = table; }
    // The line on which the record being read starts.
    qint64 recordLine() const { return m_cells.isEmpty() ? m_line : m_recordLine; }

private:
    void onField(void* data, size_t size)
    {
        if (stopped())
            return;
        if (m_cells.isEmpty())
            m_recordLine = m_line;
        m_afterCR = false;
        const char* bytes = static_cast<const char*>(data);
        m_cells.append(m_reading.encoding == LotsCsv::Encoding::Utf8
                           ? QString::fromUtf8(bytes, static_cast<qsizetype>(size))
                           : fromWindows1252(bytes, size));
        // Quoted line breaks move the file on without ending the record.
        for (size_t i = 0; i < size; ++i) {
            if (bytes[i] == '\r' || (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')))
                ++m_line;
        }
    }

    void onRecordEnd(int terminator)
    {
        // Every line end is reported: the LF of a CRLF arrives as an empty record of its own.
        if (terminator == '\n' && m_afterCR && m_cells.isEmpty()) {
            m_afterCR = false;
            return;
        }
        if (!stopped() && !m_cells.isEmpty() && !isBlankRow(m_cells))
            takeRow();
        m_cells.clear();
        m_afterCR = terminator == '\r';
        if (terminator == '\r' || terminator == '\n')
            ++m_line;
    }

    void takeRow()
    {
        if (m_table) {
            if (m_table->size() >= LotsCsv::MaxLots)
                m_reading.refusal =
                    QCoreApplication::translate("LotsCsv", "It holds more than %1 rows.").arg(LotsCsv::MaxLots);
            else
                m_table->append(m_cells);
            return;
        }
        if (!m_columnsKnown) {
            m_columnsKnown = true;
            if (takeHeader())
                return;
        }
        const QString lotCell = m_cells.value(m_lotColumn);
        const QString amountCell = m_amountColumn >= 0 ? m_cells.value(m_amountColumn) : QString();
        const QString note = m_noteColumn >= 0 ? noteText(m_cells.value(m_noteColumn)) : QString();

        // A row is checked as the lot editor's "&Save" checks a lot.
        const std::optional<double> lotNumber = NumberText::ToNumber(trimmedCell(lotCell));
        std::optional<double> amount = 0.0;
        if (!amountCell.trimmed().isEmpty())
            amount = LotsCsv::ReadAmount(amountCell, m_reading.separator == ';');
        const Limits::LotCheck check = Limits::CheckLot(lotNumber, amount, note.size());
        if (check.field != Limits::LotField::None) {
            // A number out of range is quoted as the file has it.
            const QString* cell = check.field == Limits::LotField::LotNumber ? &lotCell
                                  : check.field == Limits::LotField::Amount  ? &amountCell
                                                                             : nullptr;
            return fail(cell ? check.message +
                                   QCoreApplication::translate("LotsCsv", " (it reads %1).").arg(quotedCell(*cell))
                             : check.message);
        }
        const auto entry = [&](int column) {
            Limits::OptionalEntry entered;
            const QString cell = column >= 0 ? m_cells.value(column) : QString();
            entered.given = !cell.trimmed().isEmpty();
            if (entered.given)
                entered.value = LotsCsv::ReadAmount(cell, m_reading.separator == ';');
            return entered;
        };
        const Limits::OptionalEntry reserve = entry(m_reserveColumn);
        const Limits::OptionalEntry low = entry(m_lowColumn);
        const Limits::OptionalEntry high = entry(m_highColumn);
        const QString vendor = m_vendorColumn >= 0 ? noteText(m_cells.value(m_vendorColumn)).trimmed() : QString();
        const Limits::LotCheck extras = Limits::CheckLotExtras(reserve, low, high, vendor.size());
        if (extras.field != Limits::LotField::None)
            return fail(extras.message);
        const QString picture = m_pictureColumn >= 0 ? pictureText(m_cells.value(m_pictureColumn)) : QString();
        if (picture.size() > TextLimits::MaxPicture ||
            std::any_of(picture.begin(), picture.end(), [](QChar c) { return c.unicode() < 0x20; }))
            return fail(QCoreApplication::translate("LotsCsv", "The picture is not a file name."));
        // Once a row has failed nothing will be imported; the rest is only checked.
        if (m_reading.problemCount > 0)
            return;
        if (m_reading.lots->Count() >= LotsCsv::MaxLots) {
            m_reading.refusal =
                QCoreApplication::translate("LotsCsv", "It holds more than %1 lots.").arg(LotsCsv::MaxLots);
            return;
        }
        auto lot = std::make_shared<LotInfo>();
        lot->LotNumber = static_cast<qint32>(NumberText::RoundHalfEven(*lotNumber));
        lot->Amount = static_cast<qint32>(NumberText::RoundHalfEven(*amount));
        lot->Note = note;
        lot->Reserve = reserve.Whole();
        lot->LowEstimate = low.Whole();
        lot->HighEstimate = high.Whole();
        lot->Vendor = vendor;
        lot->Picture = picture;
        m_reading.lots->Add(std::move(lot), 0);
    }

    // A first row that names a column and holds no number is the header.
    bool takeHeader()
    {
        const bool named = std::any_of(m_cells.begin(), m_cells.end(),
                                       [](const QString& cell) { return columnNamed(cell) != Column::Other; });
        const bool numbers = std::any_of(m_cells.begin(), m_cells.end(),
                                         [](const QString& cell) { return NumberText::IsNumeric(cell); });
        if (!named || numbers)
            return false;
        m_lotColumn = m_amountColumn = m_noteColumn = -1;
        for (qsizetype i = 0; i < m_cells.size(); ++i) {
            int* column = nullptr;
            switch (columnNamed(m_cells[i])) {
            case Column::Lot:
                column = &m_lotColumn;
                break;
            case Column::Amount:
                column = &m_amountColumn;
                break;
            case Column::Note:
                column = &m_noteColumn;
                break;
            case Column::Reserve:
                column = &m_reserveColumn;
                break;
            case Column::Low:
                column = &m_lowColumn;
                break;
            case Column::High:
                column = &m_highColumn;
                break;
            case Column::Vendor:
                column = &m_vendorColumn;
                break;
            case Column::Picture:
                column = &m_pictureColumn;
                break;
            case Column::Other:
                break;
            }
            if (column && *column < 0)
                *column = static_cast<int>(i);
        }
        m_reading.hasHeader = true;
        if (m_lotColumn < 0) {
            m_reading.refusal = QCoreApplication::translate(
                "LotsCsv", "Its header row names no lot number column (Lot, Lot number, Lot # "
                           "or Number).");
        }
        return true;
    }

    // A picture named relative to the file is found beside it; written on Windows, its
    // backslashes are folders.
    QString pictureText(const QString& cell) const
    {
        QString path = noteText(cell).trimmed();
        if (path.isEmpty())
            return path;
        path.replace(u'\\', u'/');
        if (m_baseDirectory.isEmpty() || QDir::isAbsolutePath(path))
            return path;
        return QDir::cleanPath(QDir(m_baseDirectory).absoluteFilePath(path));
    }

    void fail(const QString& text)
    {
        if (m_reading.problems.size() < LotsCsv::KeptProblems)
            m_reading.problems.append({m_recordLine, text});
        ++m_reading.problemCount;
    }

    LotsCsv::Reading& m_reading;
    QList<QString> m_cells;
    qint64 m_line = 1;
    qint64 m_recordLine = 1;
    bool m_afterCR = false;
    bool m_columnsKnown = false;
    // Without a header: lot number, starting bid and note are the first three columns.
    int m_lotColumn = 0;
    int m_amountColumn = 1;
    int m_noteColumn = 2;
    // Only a header names the columns a lot may carry besides.
    int m_reserveColumn = -1;
    int m_lowColumn = -1;
    int m_highColumn = -1;
    int m_vendorColumn = -1;
    int m_pictureColumn = -1;
    QString m_baseDirectory;
    QList<QStringList>* m_table = nullptr;
};

int noBlanks(unsigned char)
{
    // Blanks around a cell are kept: a note keeps its own, and the number checks allow them.
    return 0;
}

// The 1-based line of a byte offset.
qint64 lineAt(QByteArrayView bytes, qsizetype offset)
{
    qint64 line = 1;
    for (qsizetype i = 0; i < offset && i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')))
            ++line;
    }
    return line;
}

bool needsQuotes(QStringView text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c == u',' || c == u'"' || c == u'\n' || c == u'\r'; });
}

void appendNote(QByteArray& out, const QString& note)
{
    const QByteArray text = (startsFormula(note) ? QByteArrayLiteral("'") : QByteArray()) + note.toUtf8();
    if (!needsQuotes(note)) {
        out += text;
        return;
    }
    out += '"';
    out += QByteArray(text).replace('"', "\"\"");
    out += '"';
}

} // namespace

LotsCsv::Reading LotsCsv::Read(const QString& path)
{
    Reading reading;
    RegularFile::Reading file = RegularFile::Read(path, MaxFileBytes);
    switch (file.status) {
    case RegularFile::Status::Read:
        break;
    case RegularFile::Status::Missing:
    case RegularFile::Status::NotRegular:
        reading.refusal = QCoreApplication::translate("LotsCsv", "It is not a file that can be read.");
        return reading;
    case RegularFile::Status::TooLarge:
        reading.refusal = QCoreApplication::translate("LotsCsv", "It is larger than %1 MB, too large for a lot list.")
                              .arg(MaxFileBytes / (1024 * 1024));
        return reading;
    case RegularFile::Status::Failed:
        reading.refusal = QCoreApplication::translate("LotsCsv", "It could not be read: %1.").arg(file.error);
        return reading;
    }
    const QByteArray bytes = std::move(file.bytes);
    return Parse(bytes, QFileInfo(path).absolutePath());
}

namespace {

LotsCsv::Reading parseInto(QByteArrayView bytes, const QString& baseDirectory, QList<QStringList>* table)
{
    using Encoding = LotsCsv::Encoding;
    using Reading = LotsCsv::Reading;
    constexpr qint64 MaxFileBytes = LotsCsv::MaxFileBytes;
    Reading reading;
    if (bytes.size() > MaxFileBytes) {
        reading.refusal = QCoreApplication::translate("LotsCsv", "It is larger than %1 MB, too large for a lot list.")
                              .arg(MaxFileBytes / (1024 * 1024));
        return reading;
    }
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    // Excel's "Unicode Text": UTF-16 behind its byte order mark, read as the same text in UTF-8.
    QByteArray fromUtf16;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(bytes.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        const QString text = decoder.decode(bytes.sliced(2));
        if (decoder.hasError()) {
            reading.refusal =
                QCoreApplication::translate("LotsCsv", "It does not look like a text file. Save the lot list from the "
                                                       "spreadsheet as CSV.");
            return reading;
        }
        fromUtf16 = text.toUtf8();
        bytes = fromUtf16;
    }
    if (!looksLikeText(bytes)) {
        reading.refusal = QCoreApplication::translate(
            "LotsCsv", "It does not look like a text file. Save the lot list from the spreadsheet "
                       "as CSV.");
        return reading;
    }
    reading.encoding = bytes.isValidUtf8() ? Encoding::Utf8 : Encoding::Windows1252;
    reading.separator = detectSeparator(bytes);

    csv_parser parser;
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI | CSV_REPALL_NL) != 0) {
        reading.refusal = QCoreApplication::translate("LotsCsv", "There is not enough memory to read it.");
        return reading;
    }
    csv_set_delim(&parser, static_cast<unsigned char>(reading.separator));
    csv_set_space_func(&parser, noBlanks);
    RowReader rows(reading, baseDirectory);
    rows.setTable(table);
    for (qsizetype done = 0; done < bytes.size() && !rows.stopped();) {
        const size_t chunk = std::min<size_t>(ParseChunk, static_cast<size_t>(bytes.size() - done));
        const size_t taken =
            csv_parse(&parser, bytes.data() + done, chunk, RowReader::field, RowReader::recordEnd, &rows);
        if (taken != chunk) {
            const qsizetype at = done + static_cast<qsizetype>(taken);
            reading.refusal = csv_error(&parser) == CSV_EPARSE
                                  ? QCoreApplication::translate(
                                        "LotsCsv", "Line %1: a double quote stands inside a field that is not in "
                                                   "quotes, or after the closing quote of one.")
                                        .arg(lineAt(bytes, at))
                                  : QCoreApplication::translate("LotsCsv", "There is not enough memory to read it.");
            break;
        }
        done += static_cast<qsizetype>(chunk);
    }
    if (!rows.stopped()) {
        const qint64 openLine = rows.recordLine();
        if (csv_fini(&parser, RowReader::field, RowReader::recordEnd, &rows) != 0 && !rows.stopped())
            reading.refusal =
                QCoreApplication::translate("LotsCsv", "Line %1: a quoted field is never closed.").arg(openLine);
    }
    csv_free(&parser);

    if (!table && reading.refusal.isEmpty() && reading.problemCount == 0 && reading.lots->Count() == 0)
        reading.refusal = QCoreApplication::translate("LotsCsv", "It holds no lots.");
    if (!reading.refusal.isEmpty() || reading.problemCount > 0)
        reading.lots = std::make_shared<LotCollection>();
    return reading;
}

} // namespace

LotsCsv::Reading LotsCsv::Parse(QByteArrayView bytes, const QString& baseDirectory)
{
    return parseInto(bytes, baseDirectory, nullptr);
}

LotsCsv::Table LotsCsv::ParseTable(QByteArrayView bytes)
{
    Table table;
    const Reading reading = parseInto(bytes, {}, &table.rows);
    table.refusal = reading.refusal;
    if (!table.refusal.isEmpty())
        table.rows.clear();
    return table;
}

LotsCsv::Table LotsCsv::ReadTable(const QString& path)
{
    Table table;
    RegularFile::Reading file = RegularFile::Read(path, MaxFileBytes);
    if (file.status != RegularFile::Status::Read) {
        table.refusal = file.status == RegularFile::Status::Failed
                            ? QCoreApplication::translate("LotsCsv", "It could not be read: %1.").arg(file.error)
                            : QCoreApplication::translate("LotsCsv", "It is not a file that can be read.");
        return table;
    }
    return ParseTable(file.bytes);
}

std::optional<double> LotsCsv::ReadAmount(QStringView cell, bool decimalComma)
{
    QString text;
    text.reserve(cell.size());
    for (QChar c : cell) {
        if (!c.isSpace() && c.category() != QChar::Symbol_Currency)
            text.append(c);
    }
    const QChar group = decimalComma ? u'.' : u',';
    const QChar decimal = decimalComma ? u',' : u'.';
    if (text.count(decimal) > 1)
        return std::nullopt;
    const qsizetype point = text.indexOf(decimal);
    QString whole = point >= 0 ? text.left(point) : text;
    const QString fraction = point >= 0 ? text.mid(point + 1) : QString();

    if (whole.contains(group)) {
        // Groups of three digits after one of one to three: 1,250 and 12,345,678 but not 12,5.
        const qsizetype digitsFrom = (whole.startsWith(u'-') || whole.startsWith(u'+')) ? 1 : 0;
        const QStringList groups = QStringView(whole).sliced(digitsFrom).toString().split(group);
        const auto allDigits = [](const QString& part) {
            return std::all_of(part.begin(), part.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
        };
        if (groups.first().isEmpty() || groups.first().size() > 3 || !allDigits(groups.first()))
            return std::nullopt;
        for (qsizetype i = 1; i < groups.size(); ++i) {
            if (groups[i].size() != 3 || !allDigits(groups[i]))
                return std::nullopt;
        }
        whole.remove(group);
    }
    // Starting bids are whole dollars: three digits after the mark mean a thousands separator in
    // much of the world, so 1.250 is refused rather than taken for one dollar and a quarter.
    if (fraction.size() == 3 &&
        std::all_of(fraction.begin(), fraction.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    return NumberText::ToNumber(point >= 0 ? whole + u'.' + fraction : whole);
}

QByteArray LotsCsv::Write(const LotCollection& lots, const QString& baseDirectory)
{
    QByteArray out;
    out.reserve(64 + static_cast<qsizetype>(lots.Count()) * 40);
    // A list without extras is written as it always was.
    const bool extras =
        std::any_of(lots.begin(), lots.end(), [](const LotInfoPtr& lot) { return lot && lot->HasExtras(); });
    out += extras ? "\xEF\xBB\xBFLot,Starting bid,Note,Reserve,Low estimate,High estimate,Vendor,Picture\r\n"
                  : "\xEF\xBB\xBFLot,Starting bid,Note\r\n";
    char number[16];
    const auto appendNumber = [&](qint32 value) {
        out.append(number, std::to_chars(number, std::end(number), value).ptr - number);
    };
    const auto appendOptional = [&](const std::optional<qint32>& value) {
        out += ',';
        if (value)
            appendNumber(*value);
    };
    const QDir base(baseDirectory);
    for (const LotInfoPtr& lot : lots) {
        if (!lot)
            continue;
        appendNumber(lot->LotNumber);
        out += ',';
        appendNumber(lot->Amount);
        out += ',';
        appendNote(out, lot->Note);
        if (extras) {
            appendOptional(lot->Reserve);
            appendOptional(lot->LowEstimate);
            appendOptional(lot->HighEstimate);
            out += ',';
            appendNote(out, lot->Vendor);
            out += ',';
            // A picture in the file's folder or below it is named from there, so the two move together.
            QString picture = lot->Picture;
            if (!baseDirectory.isEmpty() && QDir::isAbsolutePath(picture)) {
                const QString relative = base.relativeFilePath(picture);
                if (!relative.startsWith(QStringLiteral("../")) && !QDir::isAbsolutePath(relative))
                    picture = relative;
            }
            appendNote(out, picture);
        }
        out += "\r\n";
    }
    return out;
}

QString LotsCsv::Save(const QString& path, const LotCollection& lots)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const QByteArray bytes = Write(lots, QFileInfo(path).absolutePath());
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

QString LotsCsv::FailureMessage(const Reading& reading, const QString& fileName)
{
    QString message = QCoreApplication::translate("LotsCsv", "No lots were imported from \"%1\".").arg(fileName);
    if (!reading.refusal.isEmpty())
        return message + u' ' + reading.refusal;
    if (reading.problemCount == 1)
        message += QCoreApplication::translate("LotsCsv", " One row is not a valid lot:\n");
    else if (reading.problemCount <= reading.problems.size())
        message += QCoreApplication::translate("LotsCsv", " %1 rows are not valid lots:\n").arg(reading.problemCount);
    else
        message += QCoreApplication::translate("LotsCsv", " %1 rows are not valid lots; the first %2:\n")
                       .arg(reading.problemCount)
                       .arg(reading.problems.size());
    for (const Problem& problem : reading.problems)
        message += QCoreApplication::translate("LotsCsv", "\nLine %1: %2").arg(problem.line).arg(problem.text);
    if (reading.problemCount > reading.problems.size())
        message += QCoreApplication::translate("LotsCsv", "\n\n... and %1 more.")
                       .arg(reading.problemCount - reading.problems.size());
    return message;
}
