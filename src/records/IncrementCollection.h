#pragma once

#include "records/IncrementInfo.h"

#include <memory>
#include <vector>

// The bid increment table, kept in strictly ascending order of Minimum. Positions are
// 1-based. Item() hands out copies so that callers cannot break the order.
class IncrementCollection
{
public:
    using Storage = std::vector<IncrementInfoPtr>;
    using const_iterator = Storage::const_iterator;

    // Stores the row in its ascending place and returns that position; returns 0 and
    // stores nothing for a null row or a Minimum that is already present.
    qint32 Add(IncrementInfoPtr row);
    // A copy of the row at the position, or null when no row has it.
    IncrementInfoPtr Item(qint32 index) const;
    qint32 Count() const { return static_cast<qint32>(m_rows.size()); }
    void Remove(qint32 index);
    std::shared_ptr<IncrementCollection> Copy() const;

    // The range that applies at the given bid: the greatest Minimum not above it, or null.
    const IncrementInfo* RangeFor(qint32 amount) const;

    // Iteration (NewEnum) yields the stored rows themselves, in ascending Minimum.
    const_iterator begin() const { return m_rows.begin(); }
    const_iterator end() const { return m_rows.end(); }

private:
    Storage m_rows;
};

using IncrementCollectionPtr = std::shared_ptr<IncrementCollection>;
