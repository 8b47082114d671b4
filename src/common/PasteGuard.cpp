#include "common/PasteGuard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>

namespace {

// The text box a key or a click is for: the box itself, or the viewport of a multi-line one.
bool isTextBox(QObject* watched)
{
    if (qobject_cast<QLineEdit*>(watched) || qobject_cast<QTextEdit*>(watched) ||
        qobject_cast<QPlainTextEdit*>(watched))
        return true;
    QObject* parent = watched->parent();
    return parent && (qobject_cast<QTextEdit*>(parent) || qobject_cast<QPlainTextEdit*>(parent)) &&
           static_cast<QAbstractScrollArea*>(parent)->viewport() == watched;
}

} // namespace

void PasteGuard::Install()
{
    static QPointer<PasteGuard> installed;
    if (installed || !qApp)
        return;
    installed = new PasteGuard(qApp);
    qApp->installEventFilter(installed);
}

bool PasteGuard::CanPaste(QClipboard::Mode mode)
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard || (mode == QClipboard::Selection && !clipboard->supportsSelection()))
        return false;
    const QMimeData* data = clipboard->mimeData(mode);
    return data && !data->formats().isEmpty();
}

bool PasteGuard::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste) && isTextBox(watched) &&
            !CanPaste(QClipboard::Clipboard)) {
            event->accept();
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        // X11 pastes the selection on a middle click.
        if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton && isTextBox(watched) &&
            !CanPaste(QClipboard::Selection)) {
            event->accept();
            return true;
        }
        break;
    default:
        break;
    }
    return false;
}
