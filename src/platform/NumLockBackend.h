#pragma once

#include <memory>
#include <optional>

// Reads and sets the keyboard's NumLock lock. The X11 backend works on the X server's
// keyboard; where programs cannot hold NumLock (no X11 display) a backend that does nothing
// stands in, and the options dialog says so.
class NumLockBackend
{
public:
    virtual ~NumLockBackend() = default;

    // Whether this desktop lets the program read and set NumLock at all.
    virtual bool IsAvailable() const = 0;
    // The lock as the keyboard has it now; nothing when it cannot be read.
    virtual std::optional<bool> IsNumLockOn() const = 0;
    // Locks or unlocks NumLock; false when the keyboard could not be told.
    virtual bool LockNumLock(bool on) = 0;

    // The backend for the platform the application runs on: the X server's keyboard on
    // xcb (Qt's own connection) and on Wayland with XWayland, none elsewhere (offscreen).
    static std::unique_ptr<NumLockBackend> ForPlatform();
};

class NoNumLockBackend : public NumLockBackend
{
public:
    bool IsAvailable() const override { return false; }
    std::optional<bool> IsNumLockOn() const override { return std::nullopt; }
    bool LockNumLock(bool) override { return false; }
};
