#pragma once

#include <QtGlobal>
#include <qnamespace.h>

class QKeyEvent;

// The scoreboard's commands are bound to the platform's virtual-key numbers. This is the
// one place where a Qt key event becomes such a number.
namespace KeyCodes {

enum VirtualKey : qint16
{
    None = 0,
    Backspace = 8,
    Tab = 9,
    Clear = 12,
    Enter = 13,
    Shift = 16,
    Control = 17,
    Alt = 18,
    Pause = 19,
    CapsLock = 20,
    Escape = 27,
    Space = 32,
    PageUp = 33,
    PageDown = 34,
    End = 35,
    Home = 36,
    Left = 37,
    Up = 38,
    Right = 39,
    Down = 40,
    PrintScreen = 44,
    Insert = 45,
    Delete = 46,
    Digit0 = 48,  // .. 57
    LetterA = 65, // .. 90
    MetaLeft = 91,
    Menu = 93,
    Numpad0 = 96, // .. 105
    NumpadMultiply = 106,
    NumpadAdd = 107,
    NumpadSubtract = 109,
    NumpadDecimal = 110,
    NumpadDivide = 111,
    F1 = 112, // .. F24 = 135
    F2 = 113,
    F3 = 114,
    F11 = 122,
    NumLock = 144,
    ScrollLock = 145,
    Semicolon = 186,
    Plus = 187, // the = / + key of the main keyboard
    Comma = 188,
    Minus = 189,
    Period = 190,
    Slash = 191,
    Grave = 192,
    BracketLeft = 219,
    Backslash = 220,
    BracketRight = 221,
    Quote = 222,
};

// The virtual-key number of a Qt key; keypad keys are told apart by Qt::KeypadModifier.
// 0 for a key that has none. This follows the symbol and so the keyboard layout.
qint16 FromQtKey(int key, Qt::KeyboardModifiers modifiers);

// Where a key event's native scan code comes from. The Linux desktop platforms (xcb,
// Wayland) report the XKB keycode, which names the key's position on the keyboard.
enum class ScanCodes
{
    None,
    Xkb,
};
ScanCodes PlatformScanCodes();

// The virtual-key number of a key event. The digit row and the main keyboard's minus,
// equals/plus and full-stop keys are known by their position whatever the layout and
// Shift, as the platform's virtual keys are: from the XKB keycode where there is one,
// otherwise from the symbol with the shifted US digit row (! @ # ...) taken back to
// its digits. Every other key follows FromQtKey.
qint16 FromKeyEvent(const QKeyEvent* event, ScanCodes scanCodes);
qint16 FromKeyEvent(const QKeyEvent* event);

// The character code that a key types on the scoreboard's displays: digits (main
// keyboard and keypad alike), "+", "-", ".", Space and Enter; -1 for every other key.
qint16 KeyCodeToAsci(qint16 keyCode);

} // namespace KeyCodes
