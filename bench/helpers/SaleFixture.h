#pragma once

// The sale the board benchmarks show: one lot with a long note and three increment ranges.
#include "records/AppSettings.h"

#include <memory>
#include <utility>

namespace SaleFixture {

inline void Fill(AppSettings& settings)
{
    auto lot = std::make_shared<LotInfo>();
    lot->LotNumber = 1234;
    lot->Amount = 12050;
    lot->Note = QStringLiteral("Victorian mahogany partners' desk, leather top, original brass handles");
    settings.LotList->Add(lot);
    for (const auto& [minimum, amount] : {std::pair{0, 5}, std::pair{100, 10}, std::pair{1000, 50}}) {
        auto range = std::make_shared<IncrementInfo>();
        range->Minimum = minimum;
        range->Amount = amount;
        settings.IncrementList->Add(range);
    }
}

} // namespace SaleFixture
