#include "scoreboard/modGrabKeys.h"

#include "platform/NumLockBackend.h"

namespace modGrabKeys {

std::optional<bool> WantedNumLock(qint32 numLockMode)
{
    switch (numLockMode) {
    case 1:
        return true;
    case 2:
        return false;
    default:
        return std::nullopt;
    }
}

void SetNumLock(NumLockBackend* backend, const bool& wanted)
{
    if (!backend)
        return;
    const std::optional<bool> on = backend->IsNumLockOn();
    if (!on || *on == wanted)
        return;
    backend->LockNumLock(wanted);
}

} // namespace modGrabKeys
