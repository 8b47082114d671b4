#pragma once

#include <QString>

// Who held the sale, and where and when, as every invoice, settlement and report heads it.
// Kept beside the sale's journal, in a file of its own that the journal's readers never see.
struct SaleDetails
{
    static constexpr qsizetype MaxLength = 200;

    QString house;
    QString address;
    QString title;
    QString venue;
    QString date;

    bool isEmpty() const
    {
        return house.isEmpty() && address.isEmpty() && title.isEmpty() && venue.isEmpty() && date.isEmpty();
    }
    // Each text cut to what a page's heading holds.
    SaleDetails Trimmed() const;

    // The file beside a journal: "sale-….jsonl" keeps its details in "sale-….details.json".
    static QString PathBeside(const QString& journalPath);
    // Empty details when there is no file or it cannot be read.
    static SaleDetails ReadBeside(const QString& journalPath);
    // Written whole or not at all; false when it could not be.
    bool WriteBeside(const QString& journalPath) const;

    friend bool operator==(const SaleDetails&, const SaleDetails&) = default;
};
