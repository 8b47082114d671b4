#pragma once

#include "records/LotInfo.h"

#include <memory>
#include <vector>

// The lots in sale order. Positions are 1-based. The list holds shared records: Item()
// hands out the stored record itself, so a change through it reaches the list.
class LotCollection
{
public:
    using Storage = std::vector<LotInfoPtr>;
    using const_iterator = Storage::const_iterator;

    // Inserts before insertIndex when 1 <= insertIndex <= Count(), otherwise appends.
    void Add(LotInfoPtr lot, qint32 insertIndex = 0);
    // The record at the position, or null when no record has it.
    LotInfoPtr Item(qint32 index) const;
    qint32 Count() const { return static_cast<qint32>(m_lots.size()); }
    // Removes the record at the position; a position that names no record is ignored.
    void Remove(qint32 index);
    // Empties the list; records still held elsewhere stay valid.
    void Clear() { Storage().swap(m_lots); }
    // Deep copy: new records, nothing shared with this list.
    std::shared_ptr<LotCollection> Copy() const;

    // Iteration (NewEnum) yields the stored records in position order.
    const_iterator begin() const { return m_lots.begin(); }
    const_iterator end() const { return m_lots.end(); }

    // Position of the given record object (1-based), or 0 when it is not in the list.
    qint32 PositionOf(const LotInfo* lot) const;

private:
    Storage m_lots;
};

using LotCollectionPtr = std::shared_ptr<LotCollection>;
