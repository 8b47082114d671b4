#pragma once

#include "records/LotCollection.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// Lot lists from and to CSV files as spreadsheets write and read them. A file is read and
// checked whole: every row must pass the checks of the lot editor's "&Save", or the reading
// carries no lots at all.
class LotsCsv
{
public:
    // A catalogue of 100,000 lots with long notes and a few extra columns stays far below
    // this; anything larger is not a lot list, and refusing it up front keeps the editor
    // from reading it into memory.
    static constexpr qint64 MaxFileBytes = 64LL * 1024 * 1024;
    // A file with more rows than this is refused before its lots are built.
    static constexpr qint32 MaxLots = 200000;
    // How many failing rows a reading keeps for its message.
    static constexpr int KeptProblems = 10;

    enum class Encoding
    {
        Utf8,
        Windows1252
    };

    struct Problem
    {
        qint64 line = 0; // 1-based line of the file on which the row starts
        QString text;    // what is wrong with the row
    };

    struct Reading
    {
        LotCollectionPtr lots = std::make_shared<LotCollection>();
        // Set when the file as a whole cannot be read; then nothing else counts.
        QString refusal;
        // The first failing rows, in file order, and how many rows failed in all.
        QList<Problem> problems;
        qint64 problemCount = 0;
        Encoding encoding = Encoding::Utf8;
        char separator = ',';
        bool hasHeader = false;

        bool ok() const { return refusal.isEmpty() && problemCount == 0 && lots->Count() > 0; }
    };

    static Reading Read(const QString& path);

    // The rows of a CSV file of another kind (a register of bidders), read as a lot list is:
    // its encoding, separator and quoting; blank rows left out, the header row kept.
    struct Table
    {
        QList<QStringList> rows;
        QString refusal;
    };
    static Table ReadTable(const QString& path);
    static Table ParseTable(QByteArrayView bytes);
    // Pictures named relative to the file are resolved against baseDirectory, when given.
    static Reading Parse(QByteArrayView bytes, const QString& baseDirectory = {});

    // UTF-8 with a byte order mark (without one Excel takes the file for its ANSI code page),
    // the header row, CRLF line ends; fields quoted where needed.
    // The reserve, estimates, vendor and picture columns follow only when a lot has one of them;
    // a picture in baseDirectory or below it is written relative to it.
    static QByteArray Write(const LotCollection& lots, const QString& baseDirectory = {});
    // Writes the file atomically: an existing file is replaced only when the whole list is
    // written. Returns what went wrong, or nothing on success.
    static QString Save(const QString& path, const LotCollection& lots);

    // The message that tells why nothing of a failed reading was imported.
    static QString FailureMessage(const Reading& reading, const QString& fileName);

    // The starting bid of a cell: a currency sign and thousands separators allowed, and a
    // decimal comma in files separated by semicolons. Nothing when it is not a number.
    static std::optional<double> ReadAmount(QStringView cell, bool decimalComma);
};
