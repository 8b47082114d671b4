#include "currency/EuroRates.h"

#include "currency/CurrencyRate.h"

#include <QFile>
#include <QLocale>

#include <zip.h>

#include <memory>

namespace {

const QString Euro = QStringLiteral("EUR");

// Listed when the board has no currencies yet: the bidders a European or American room sees most.
const char* const DefaultCodes[] = {"USD", "EUR", "GBP", "CHF", "JPY", "CNY", "HKD"};
constexpr int DefaultLines = 6;

QList<QByteArray> Fields(const QByteArray& row)
{
    QList<QByteArray> fields = row.split(',');
    for (QByteArray& field : fields)
        field = field.trimmed();
    // The files end each row with a comma.
    while (!fields.isEmpty() && fields.last().isEmpty())
        fields.removeLast();
    return fields;
}

struct ZipDeleter
{
    void operator()(zip_t* archive) const { zip_discard(archive); }
};

// The first .csv inside a zip held in memory; an error text when there is none.
QByteArray CsvFromZip(const QByteArray& contents, QString* error)
{
    zip_error_t zipError;
    zip_error_init(&zipError);
    zip_source_t* source =
        zip_source_buffer_create(contents.constData(), static_cast<zip_uint64_t>(contents.size()), 0, &zipError);
    if (!source) {
        zip_error_fini(&zipError);
        *error = EuroRates::tr("The file is not a zip archive that can be read.");
        return {};
    }
    std::unique_ptr<zip_t, ZipDeleter> archive(zip_open_from_source(source, ZIP_RDONLY, &zipError));
    zip_error_fini(&zipError);
    if (!archive) {
        zip_source_free(source);
        *error = EuroRates::tr("The file is not a zip archive that can be read.");
        return {};
    }
    const zip_int64_t entries = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t i = 0; i < entries; ++i) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(archive.get(), static_cast<zip_uint64_t>(i), 0, &stat) != 0 ||
            !(stat.valid & ZIP_STAT_NAME) || !(stat.valid & ZIP_STAT_SIZE))
            continue;
        if (!QByteArray(stat.name).toLower().endsWith(".csv"))
            continue;
        if (stat.size > static_cast<zip_uint64_t>(EuroRates::MaxFileBytes)) {
            *error = EuroRates::tr("The rates file in the zip archive is too large to be a rates file.");
            return {};
        }
        zip_file_t* file = zip_fopen_index(archive.get(), static_cast<zip_uint64_t>(i), 0);
        if (!file)
            break;
        QByteArray text(static_cast<qsizetype>(stat.size), Qt::Uninitialized);
        const zip_int64_t read = zip_fread(file, text.data(), stat.size);
        zip_fclose(file);
        if (read != static_cast<zip_int64_t>(stat.size))
            break;
        return text;
    }
    *error = EuroRates::tr("The zip archive holds no rates file (.csv) that can be read.");
    return {};
}

} // namespace

EuroRates EuroRates::FromCsv(const QByteArray& text)
{
    EuroRates rates;
    QList<QByteArray> rows;
    for (const QByteArray& row : text.split('\n')) {
        const QByteArray trimmed = row.trimmed();
        if (!trimmed.isEmpty())
            rows.append(trimmed);
    }
    const QString notRates = tr("The file is not a euro reference rates file: it needs a header row \"Date, USD, "
                                "JPY, ...\" and a row of rates.");
    if (rows.size() < 2) {
        rates.error = notRates;
        return rates;
    }
    QList<QByteArray> header = Fields(rows[0]);
    const QList<QByteArray> values = Fields(rows[1]);
    // A byte order mark before "Date".
    if (!header.isEmpty() && header[0].startsWith("\xEF\xBB\xBF"))
        header[0] = header[0].mid(3);
    if (header.size() < 2 || header[0].compare("Date", Qt::CaseInsensitive) != 0 || values.size() != header.size()) {
        rates.error = notRates;
        return rates;
    }
    rates.date = QLocale::c().toDate(QString::fromLatin1(values[0]), QStringLiteral("d MMMM yyyy"));
    if (!rates.date.isValid())
        rates.date = QDate::fromString(QString::fromLatin1(values[0]), Qt::ISODate);
    rates.perEuro.insert(Euro, CurrencyRate::Scale);
    for (qsizetype i = 1; i < header.size(); ++i) {
        const QString code = QString::fromLatin1(header[i]);
        if (!CurrencyBoard::IsCode(code)) {
            rates.error = notRates;
            return rates;
        }
        // "N/A": no rate that day.
        if (const std::optional<qint64> rate = CurrencyRate::Parse(QString::fromLatin1(values[i])))
            rates.perEuro.insert(code, *rate);
    }
    if (rates.perEuro.size() < 2)
        rates.error = notRates;
    return rates;
}

EuroRates EuroRates::FromFileContents(const QByteArray& contents)
{
    if (!contents.startsWith("PK\x03\x04"))
        return FromCsv(contents);
    EuroRates rates;
    const QByteArray text = CsvFromZip(contents, &rates.error);
    return rates.error.isEmpty() ? FromCsv(text) : rates;
}

EuroRates EuroRates::FromFile(const QString& path)
{
    EuroRates rates;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        rates.error = tr("The file could not be opened: %1").arg(file.errorString());
        return rates;
    }
    // A zip of a rates file is small; so is the file itself.
    const QByteArray contents = file.read(MaxFileBytes + 1);
    if (contents.size() > MaxFileBytes) {
        rates.error = tr("The file is too large to be a rates file.");
        return rates;
    }
    return FromFileContents(contents);
}

EuroRates::Applied EuroRates::ApplyTo(const QList<CurrencyLine>& lines, const QString& saleCode) const
{
    Applied applied;
    const auto sale = perEuro.constFind(saleCode);
    if (sale == perEuro.constEnd()) {
        applied.error = tr("The rates file has no rate for the sale's currency %1.").arg(saleCode);
        return applied;
    }
    applied.lines = lines;
    if (applied.lines.isEmpty()) {
        for (const char* code : DefaultCodes) {
            const QString name = QLatin1String(code);
            if (name == saleCode || !perEuro.contains(name))
                continue;
            if (applied.lines.size() == DefaultLines)
                break;
            applied.lines.append({name, CurrencyBoard::SignForCode(name), 0, CurrencyBoard::StepForCode(name)});
        }
    }
    for (CurrencyLine& line : applied.lines) {
        const auto target = perEuro.constFind(line.code);
        std::optional<qint64> rate;
        if (target != perEuro.constEnd())
            rate = CurrencyRate::Cross(*target, *sale);
        if (rate)
            line.rate = *rate;
        else
            applied.missing << line.code;
    }
    return applied;
}
