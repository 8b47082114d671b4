#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>

// One lot of the sale. A plain record: fields are set without checks; the lot editor
// is the only place that enforces ranges.
class LotInfo
{
public:
    qint32 LotNumber = 0;
    qint32 Amount = 0;
    QString Note;

    std::shared_ptr<LotInfo> Copy() const { return std::make_shared<LotInfo>(*this); }
};

using LotInfoPtr = std::shared_ptr<LotInfo>;
