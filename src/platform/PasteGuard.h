#pragma once

#include <QClipboard>
#include <QObject>

// A paste into a text box goes ahead only when the clipboard holds something. Over xcb, when no
// program owns the clipboard (after every reboot, or once its owner has exited), Qt's paste is
// handed clipboard data with nothing behind it and can crash on it.
//
// A paste longer than the box's limit is cut to it before it is inserted: laying out a long
// unbroken word freezes a multi-line box for minutes, and the box would drop the rest anyway.
class PasteGuard : public QObject
{
public:
    // A multi-line box without a limit of its own takes this much of a paste; no note is shown longer.
    static constexpr int DefaultLimit = 1000;
    // The most a paste puts into the box (a one-line box's own maximum length applies as well).
    static void setLimit(QWidget* box, int characters);
    static int Limit(const QWidget* box);

    // Watches every text box of the application, those of Qt's own dialogs included. Installing
    // it again does nothing.
    static void Install();
    // Whether the clipboard (or the selection, for a middle click) has anything to paste.
    static bool CanPaste(QClipboard::Mode mode);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
