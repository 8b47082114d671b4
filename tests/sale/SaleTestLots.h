#pragma once

// The sale that the crash test and the run it kills share.
#include "records/AppSettings.h"

#include <QHash>

inline void SaleLots(AppSettings& settings)
{
    const struct
    {
        int number;
        int amount;
        const char* note;
    } lots[] = {{12, 95, "Oak chest"}, {7, 500, "Pair of vases"}, {31, 12050, "Grand piano"}};
    for (const auto& row : lots) {
        auto lot = std::make_shared<LotInfo>();
        lot->LotNumber = row.number;
        lot->Amount = row.amount;
        lot->Note = QString::fromUtf8(row.note);
        settings.LotList->Add(lot);
    }
    for (const auto& [minimum, amount] : {std::pair{0, 5}, std::pair{100, 10}, std::pair{1000, 50}}) {
        auto range = std::make_shared<IncrementInfo>();
        range->Minimum = minimum;
        range->Amount = amount;
        settings.IncrementList->Add(range);
    }
}

// R Right, L Left, U Up, D Down, 4 5 6 F4 F5 F6.
inline Qt::Key SaleKey(const QString& name)
{
    static const QHash<QString, Qt::Key> keys = {
        {QStringLiteral("R"), Qt::Key_Right}, {QStringLiteral("L"), Qt::Key_Left}, {QStringLiteral("U"), Qt::Key_Up},
        {QStringLiteral("D"), Qt::Key_Down},  {QStringLiteral("4"), Qt::Key_F4},   {QStringLiteral("5"), Qt::Key_F5},
        {QStringLiteral("6"), Qt::Key_F6}};
    return keys.value(name);
}
