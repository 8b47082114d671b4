#pragma once

#include <QClipboard>
#include <QObject>

// A paste into a text box goes ahead only when the clipboard holds something. Over xcb, when no
// program owns the clipboard (after every reboot, or once its owner has exited), Qt's paste is
// handed clipboard data with nothing behind it and can crash on it.
class PasteGuard : public QObject
{
public:
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
