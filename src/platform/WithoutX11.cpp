// A build without X11: none of what only the X server offers, each in the form that does nothing.
#include "platform/CloseRequests.h"
#include "platform/DisplayLoss.h"
#include "platform/NumLockBackend.h"

std::unique_ptr<NumLockBackend> NumLockBackend::ForPlatform()
{
    return std::make_unique<NoNumLockBackend>();
}

std::unique_ptr<CloseRequests> CloseRequests::ForPlatform(Handler)
{
    return nullptr;
}

std::unique_ptr<DisplayLoss> DisplayLoss::ForPlatform()
{
    return std::unique_ptr<DisplayLoss>(new DisplayLoss());
}
