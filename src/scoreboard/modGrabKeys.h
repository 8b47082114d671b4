#pragma once

#include <QtGlobal>

#include <optional>

class NumLockBackend;

// Holding NumLock in the state the operator chose.
namespace modGrabKeys {

// The state a NumLock mode holds: 1 on, 2 off; every other mode leaves NumLock alone.
std::optional<bool> WantedNumLock(qint32 numLockMode);

// Brings NumLock to the wanted state; nothing happens when it is there already, when
// there is no backend, or when the backend cannot read the keyboard.
void SetNumLock(NumLockBackend* backend, const bool& wanted);

} // namespace modGrabKeys
