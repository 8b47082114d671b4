#pragma once

#include "platform/NumLockBackend.h"

struct _XDisplay;

// NumLock through the X keyboard extension: the lock is the modifier that Num_Lock maps to
// in the current keymap, read from and locked in the core keyboard's state.
class X11NumLockBackend : public NumLockBackend
{
public:
    // display: a connection that stays open while the backend lives. With ownsDisplay the
    // backend closes it at the end.
    X11NumLockBackend(_XDisplay* display, bool ownsDisplay);
    ~X11NumLockBackend() override;

    X11NumLockBackend(const X11NumLockBackend&) = delete;
    X11NumLockBackend& operator=(const X11NumLockBackend&) = delete;

    bool IsAvailable() const override { return m_mask != 0; }
    std::optional<bool> IsNumLockOn() const override;
    bool LockNumLock(bool on) override;

private:
    _XDisplay* m_display;
    bool m_ownsDisplay;
    unsigned int m_mask = 0;
};
