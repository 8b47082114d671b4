#pragma once

// The sale that the crash test and the run it kills share.
#include "records/AppSettings.h"
#include "support/TestLots.h"

#include <QHash>

inline void SaleLots(AppSettings& settings)
{
    AddLots(*settings.LotList, {{12, 95, QStringLiteral("Oak chest")},
                                {7, 500, QStringLiteral("Pair of vases")},
                                {31, 12050, QStringLiteral("Grand piano")}});
    AddIncrements(*settings.IncrementList, {{0, 5}, {100, 10}, {1000, 50}});
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
