#include "records/LotCollection.h"

void LotCollection::Add(LotInfoPtr lot, qint32 insertIndex)
{
    if (insertIndex >= 1 && insertIndex <= Count())
        m_lots.insert(m_lots.begin() + (insertIndex - 1), std::move(lot));
    else
        m_lots.push_back(std::move(lot));
}

LotInfoPtr LotCollection::Item(qint32 index) const
{
    if (index < 1 || index > Count())
        return nullptr;
    return m_lots[static_cast<size_t>(index - 1)];
}

void LotCollection::Remove(qint32 index)
{
    if (index < 1 || index > Count())
        return;
    m_lots.erase(m_lots.begin() + (index - 1));
}

std::shared_ptr<LotCollection> LotCollection::Copy() const
{
    auto copy = std::make_shared<LotCollection>();
    copy->m_lots.reserve(m_lots.size());
    for (const LotInfoPtr& lot : m_lots)
        copy->Add(lot ? lot->Copy() : nullptr, 0);
    return copy;
}

qint32 LotCollection::PositionOf(const LotInfo* lot) const
{
    for (size_t i = 0; i < m_lots.size(); ++i) {
        if (m_lots[i].get() == lot)
            return static_cast<qint32>(i + 1);
    }
    return 0;
}
