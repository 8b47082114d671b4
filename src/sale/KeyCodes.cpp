#include "sale/KeyCodes.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace KeyCodes {

namespace {

// Keys of the numeric keypad that have their own virtual keys. With NumLock off the
// keypad reports navigation keys (Insert, End, Down...), which keep their ordinary
// numbers, as the platform's own keyboard layer does.
qint16 FromKeypadKey(int key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return static_cast<qint16>(Numpad0 + (key - Qt::Key_0));
    switch (key) {
    case Qt::Key_Asterisk:
        return NumpadMultiply;
    case Qt::Key_Plus:
        return NumpadAdd;
    case Qt::Key_Minus:
        return NumpadSubtract;
    case Qt::Key_Period:
    case Qt::Key_Comma: // the decimal key of layouts with a decimal comma
        return NumpadDecimal;
    case Qt::Key_Slash:
        return NumpadDivide;
    default:
        return None;
    }
}

// The keys named by position, by XKB keycode (the evdev code + 8): the digit row
// 1..9, 0 is 10..19, then minus 20 and equals 21; the full stop is 60.
qint16 FromXkbKeycode(quint32 keycode)
{
    if (keycode >= 10 && keycode <= 18)
        return static_cast<qint16>(Digit0 + 1 + (keycode - 10));
    switch (keycode) {
    case 19:
        return Digit0;
    case 20:
        return Minus;
    case 21:
        return Plus;
    case 60:
        return Period;
    default:
        return None;
    }
}

// The digit row of a US keyboard with Shift held.
qint16 FromShiftedDigit(int key)
{
    switch (key) {
    case Qt::Key_ParenRight:
        return Digit0;
    case Qt::Key_Exclam:
        return Digit0 + 1;
    case Qt::Key_At:
        return Digit0 + 2;
    case Qt::Key_NumberSign:
        return Digit0 + 3;
    case Qt::Key_Dollar:
        return Digit0 + 4;
    case Qt::Key_Percent:
        return Digit0 + 5;
    case Qt::Key_AsciiCircum:
        return Digit0 + 6;
    case Qt::Key_Ampersand:
        return Digit0 + 7;
    case Qt::Key_Asterisk:
        return Digit0 + 8;
    case Qt::Key_ParenLeft:
        return Digit0 + 9;
    default:
        return None;
    }
}

} // namespace

qint16 FromQtKey(int key, Qt::KeyboardModifiers modifiers)
{
    if (modifiers.testFlag(Qt::KeypadModifier)) {
        const qint16 keypad = FromKeypadKey(key);
        if (keypad != None)
            return keypad;
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return static_cast<qint16>(Digit0 + (key - Qt::Key_0));
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return static_cast<qint16>(LetterA + (key - Qt::Key_A));
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return static_cast<qint16>(F1 + (key - Qt::Key_F1));

    switch (key) {
    case Qt::Key_Backspace:
        return Backspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return Tab;
    case Qt::Key_Clear:
        return Clear;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Enter;
    case Qt::Key_Shift:
        return Shift;
    case Qt::Key_Control:
        return Control;
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
        return Alt;
    case Qt::Key_Pause:
        return Pause;
    case Qt::Key_CapsLock:
        return CapsLock;
    case Qt::Key_Escape:
        return Escape;
    case Qt::Key_Space:
        return Space;
    case Qt::Key_PageUp:
        return PageUp;
    case Qt::Key_PageDown:
        return PageDown;
    case Qt::Key_End:
        return End;
    case Qt::Key_Home:
        return Home;
    case Qt::Key_Left:
        return Left;
    case Qt::Key_Up:
        return Up;
    case Qt::Key_Right:
        return Right;
    case Qt::Key_Down:
        return Down;
    case Qt::Key_Print:
        return PrintScreen;
    case Qt::Key_Insert:
        return Insert;
    case Qt::Key_Delete:
        return Delete;
    case Qt::Key_Meta:
        return MetaLeft;
    case Qt::Key_Menu:
        return Menu;
    case Qt::Key_NumLock:
        return NumLock;
    case Qt::Key_ScrollLock:
        return ScrollLock;
    case Qt::Key_Semicolon:
    case Qt::Key_Colon:
        return Semicolon;
    case Qt::Key_Equal:
    case Qt::Key_Plus:
        return Plus;
    case Qt::Key_Comma:
    case Qt::Key_Less:
        return Comma;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        return Minus;
    case Qt::Key_Period:
    case Qt::Key_Greater:
        return Period;
    case Qt::Key_Slash:
    case Qt::Key_Question:
        return Slash;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde:
        return Grave;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft:
        return BracketLeft;
    case Qt::Key_Backslash:
    case Qt::Key_Bar:
        return Backslash;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight:
        return BracketRight;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl:
        return Quote;
    default:
        return None;
    }
}

ScanCodes PlatformScanCodes()
{
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland")))
        return ScanCodes::Xkb;
    return ScanCodes::None;
}

qint16 FromKeyEvent(const QKeyEvent* event, ScanCodes scanCodes)
{
    if (!event)
        return None;
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers.testFlag(Qt::KeypadModifier))
        return FromQtKey(key, modifiers);
    // A scan code of 0 is a synthesised event that names no key position.
    if (scanCodes == ScanCodes::Xkb && event->nativeScanCode() != 0) {
        const qint16 positional = FromXkbKeycode(event->nativeScanCode());
        return positional != None ? positional : FromQtKey(key, modifiers);
    }
    const qint16 shiftedDigit = FromShiftedDigit(key);
    return shiftedDigit != None ? shiftedDigit : FromQtKey(key, modifiers);
}

qint16 FromKeyEvent(const QKeyEvent* event)
{
    return FromKeyEvent(event, PlatformScanCodes());
}

qint16 KeyCodeToAsci(qint16 keyCode)
{
    if (keyCode == Space)
        return 32;
    if (keyCode == Enter)
        return 13;
    if (keyCode == Plus || keyCode == NumpadAdd)
        return 43;
    if (keyCode == Minus || keyCode == NumpadSubtract)
        return 45;
    if (keyCode >= Numpad0 && keyCode <= Numpad0 + 9)
        return static_cast<qint16>(48 + (keyCode - Numpad0));
    if (keyCode >= Digit0 && keyCode <= Digit0 + 9)
        return keyCode;
    if (keyCode == NumpadDecimal || keyCode == Period)
        return 46;
    return -1;
}

} // namespace KeyCodes
