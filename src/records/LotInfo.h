#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>
#include <optional>

// One lot of the sale. A plain record: fields are set without checks; the lot editor
// is the only place that enforces ranges.
class LotInfo
{
public:
    qint32 LotNumber = 0;
    qint32 Amount = 0;
    QString Note;

    // What the clerk knows of the lot beyond what the room sees; each is optional. The reserve
    // never leaves the operator's side.
    std::optional<qint32> Reserve;
    std::optional<qint32> LowEstimate;
    std::optional<qint32> HighEstimate;
    // The consignor's number.
    QString Vendor;
    // The lot's picture: an absolute path, or one as it was given.
    QString Picture;

    bool HasExtras() const { return Reserve || LowEstimate || HighEstimate || !Vendor.isEmpty() || !Picture.isEmpty(); }

    std::shared_ptr<LotInfo> Copy() const { return std::make_shared<LotInfo>(*this); }
};

using LotInfoPtr = std::shared_ptr<LotInfo>;
