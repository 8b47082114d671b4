#include "records/IncrementCollection.h"

qint32 IncrementCollection::Add(IncrementInfoPtr row)
{
    if (!row)
        return 0;
    const qint32 minimum = row->Minimum;
    const qint32 n = Count();
    for (qint32 i = 1; i <= n; ++i) {
        const qint32 current = m_rows[static_cast<size_t>(i - 1)]->Minimum;
        if (minimum == current)
            return 0;
        if (minimum < current) {
            m_rows.insert(m_rows.begin() + (i - 1), std::move(row));
            return i;
        }
    }
    m_rows.push_back(std::move(row));
    return Count();
}

IncrementInfoPtr IncrementCollection::Item(qint32 index) const
{
    if (index < 1 || index > Count())
        return nullptr;
    return m_rows[static_cast<size_t>(index - 1)]->Copy();
}

void IncrementCollection::Remove(qint32 index)
{
    if (index < 1 || index > Count())
        return;
    m_rows.erase(m_rows.begin() + (index - 1));
}

std::shared_ptr<IncrementCollection> IncrementCollection::Copy() const
{
    auto copy = std::make_shared<IncrementCollection>();
    copy->m_rows.reserve(m_rows.size());
    for (const IncrementInfoPtr& row : m_rows)
        copy->Add(row->Copy());
    return copy;
}

const IncrementInfo* IncrementCollection::RangeFor(qint32 amount) const
{
    for (auto it = m_rows.rbegin(); it != m_rows.rend(); ++it) {
        if ((*it)->Minimum <= amount)
            return it->get();
    }
    return nullptr;
}
