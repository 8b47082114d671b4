#include "sale/AuctionState.h"

#include "records/IncrementCollection.h"
#include "records/LotCollection.h"

#include <algorithm>

namespace {

// Bids come from stored lots and ranges too, which nobody has checked; keep every bid
// the board shows inside what the displays can hold.
qint32 ClampAmount(qint64 amount)
{
    return static_cast<qint32>(std::clamp<qint64>(amount, 0, AuctionState::MaxAmount));
}

} // namespace

void AuctionState::Raise(const IncrementCollection* increments)
{
    // Checked before the push, so the history holds up to MaxHistory entries.
    if (m_history.size() >= static_cast<size_t>(MaxHistory))
        m_history.pop_front();
    m_history.push_back(m_amount);

    const IncrementInfo* range = increments ? increments->RangeFor(m_amount) : nullptr;
    const qint64 step = range ? range->Amount : 1;
    m_amount = ClampAmount(qint64{m_amount} + step);
}

bool AuctionState::TakeBack()
{
    if (m_history.empty())
        return false;
    m_amount = m_history.back();
    m_history.pop_back();
    return true;
}

bool AuctionState::NextLot(qint32 lotCount)
{
    if (m_lotIndex >= lotCount)
        return false;
    ++m_lotIndex;
    return true;
}

bool AuctionState::PreviousLot()
{
    if (m_lotIndex <= 1)
        return false;
    --m_lotIndex;
    return true;
}

AuctionState::LotView AuctionState::ShowLot(const LotCollection* lots)
{
    LotView view;
    const LotInfoPtr lot = lots ? lots->Item(m_lotIndex) : nullptr;
    if (lot) {
        view.found = true;
        view.lotNumber = lot->LotNumber;
        view.note = lot->Note;
        m_amount = ClampAmount(lot->Amount);
    } else {
        m_amount = 0;
    }
    m_history.clear();
    return view;
}

bool AuctionState::TypeAmountKey(qint16 keyCode, qint16 asciCode)
{
    if (asciCode >= '0' && asciCode <= '9') {
        // One character past the limit is enough to know the entry is too long, and a key
        // held down for hours cannot grow the text any further.
        if (m_typed.size() <= MaxTypedDigits)
            m_typed.append(QChar(asciCode));
    }
    if (keyCode == 32)
        m_typed.clear();
    if (keyCode != 13)
        return false;

    bool changed = false;
    if (!m_typed.isEmpty() && m_typed.size() <= MaxTypedDigits) {
        m_amount = m_typed.toInt();
        changed = true;
    }
    m_typed.clear();
    return changed;
}

AuctionState::AmountView AuctionState::SplitAmount(qint32 amount)
{
    AmountView view;
    const qint32 thousands = amount / 1000;
    view.onesCaption = amount % 1000;
    if (thousands >= 1) {
        view.thousandsCaption = thousands;
        view.separatorVisible = true;
        view.zeroFill = true;
    }
    return view;
}
