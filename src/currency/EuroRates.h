#pragma once

#include "currency/CurrencyBoard.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QMap>
#include <QString>

// The euro reference rates as central banks publish them for download: eurofxref.csv, or the
// same file inside eurofxref.zip. A header row "Date, USD, JPY, ..." and one row of rates
// against the euro; "N/A" where a currency has no rate that day.
class EuroRates
{
    Q_DECLARE_TR_FUNCTIONS(EuroRates)

public:
    // Larger files are not rate files.
    static constexpr qsizetype MaxFileBytes = 1 << 20;

    // Units of each currency for one euro, in millionths; the euro itself is 1.
    QMap<QString, qint64> perEuro;
    QDate date;
    // Why the file could not be read; empty when it was.
    QString error;

    bool ok() const { return error.isEmpty(); }

    // The CSV's text.
    static EuroRates FromCsv(const QByteArray& text);
    // A .zip holding the CSV, or the CSV itself; told apart by the zip's signature.
    static EuroRates FromFileContents(const QByteArray& contents);
    static EuroRates FromFile(const QString& path);

    struct Applied
    {
        QList<CurrencyLine> lines;
        // Currencies of the board that the file has no rate for; their rates stay as they were.
        QStringList missing;
        QString error;
    };
    // The board's lines with their rates against the sale's currency taken from the file,
    // cross-rated through the euro. Without lines, the currencies most often met in a saleroom
    // are listed. An error when the file has no rate for the sale's currency.
    Applied ApplyTo(const QList<CurrencyLine>& lines, const QString& saleCode) const;
};
