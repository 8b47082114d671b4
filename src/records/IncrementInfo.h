#pragma once

#include <QtGlobal>

#include <memory>

// One range of the increment table: from Minimum upwards a raise adds Amount.
class IncrementInfo
{
public:
    qint32 Minimum = 0;
    qint32 Amount = 0;

    std::shared_ptr<IncrementInfo> Copy() const { return std::make_shared<IncrementInfo>(*this); }
};

using IncrementInfoPtr = std::shared_ptr<IncrementInfo>;
