#pragma once

#include "records/Limits.h"

#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <deque>

class IncrementCollection;
class LotCollection;

// The sale as the scoreboard runs it: which lot is on the block, the bid, the raises that
// can be taken back and the digits typed for a new bid. No widgets; the window shows it.
class AuctionState
{
public:
    static constexpr qint32 MaxAmount = Limits::MaxAmount;
    // The oldest raise is dropped once more than this many would be kept.
    static constexpr int MaxHistory = 101;
    // A typed bid of more than six digits is dropped at Enter.
    static constexpr int MaxTypedDigits = 6;

    // What the lot display and the note show for the lot on the block.
    struct LotView
    {
        bool found = false;
        qint32 lotNumber = 0;
        QString note;
    };

    // The amount as the two three-digit displays and the separator show it.
    struct AmountView
    {
        int thousandsCaption = -1; // -1: empty display
        int onesCaption = 0;
        bool zeroFill = false;
        bool separatorVisible = false;
    };

    qint32 LotIndex() const { return m_lotIndex; }
    qint32 Amount() const { return m_amount; }
    const std::deque<qint32>& History() const { return m_history; }
    const QString& TypedAmount() const { return m_typed; }

    // Up: remembers the bid, then adds the increment of the range the bid is in (1 when
    // no range applies), never going past MaxAmount.
    void Raise(const IncrementCollection* increments);
    // Down: back to the bid before the last raise. False when there is none.
    bool TakeBack();

    // Right and Left. True when the index moved; the caller then shows the lot.
    bool NextLot(qint32 lotCount);
    bool PreviousLot();
    // Straight to a position, as the results window's Show on Board does; the caller
    // then shows the lot.
    void GoToLot(qint32 index) { m_lotIndex = index; }
    // A bid put back as it stood; the history is left as it is.
    void SetAmount(qint32 amount) { m_amount = std::clamp(amount, 0, MaxAmount); }
    // Puts the lot at the current index on the block: its starting bid becomes the bid
    // (no lot: 0) and the history starts afresh. The typed amount is kept.
    LotView ShowLot(const LotCollection* lots);

    // One key on the amount area, given its key code and character code. True when the
    // bid changed (Enter with one to six typed digits).
    bool TypeAmountKey(qint16 keyCode, qint16 asciCode);

    // The display split of an amount: thousands and ones, zero fill and separator.
    static AmountView SplitAmount(qint32 amount);

private:
    qint32 m_lotIndex = 0;
    qint32 m_amount = 0;
    std::deque<qint32> m_history;
    QString m_typed;
};
