#include "platform/PasteGuard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <algorithm>

namespace {

const char* const LimitProperty = "gavelorPasteLimit";
const auto GuardName = QStringLiteral("gavelorPasteGuard");

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

QWidget* boxOf(QObject* watched)
{
    if (qobject_cast<QLineEdit*>(watched) || qobject_cast<QTextEdit*>(watched) ||
        qobject_cast<QPlainTextEdit*>(watched))
        return static_cast<QWidget*>(watched);
    return static_cast<QWidget*>(watched->parent());
}

// Inserts the clipboard's text cut to the box's limit, where the paste would have put it. False
// when the text fits and Qt's own paste can go ahead.
bool pasteCut(QWidget* box, QClipboard::Mode mode, const QPoint& at, bool byMouse)
{
    QString text = QGuiApplication::clipboard()->text(mode);
    const int limit = PasteGuard::Limit(box);
    if (text.size() <= limit)
        return false;
    text.truncate(limit > 0 && text.at(limit - 1).isHighSurrogate() ? limit - 1 : limit);
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        if (line->isReadOnly())
            return false;
        // A middle press has already put the cursor where the text goes.
        if (byMouse)
            line->deselect();
        line->insert(text);
        return true;
    }
    const auto insertInto = [&](auto* edit) {
        if (edit->isReadOnly())
            return false;
        if (byMouse)
            edit->setTextCursor(edit->cursorForPosition(at));
        edit->insertPlainText(text);
        return true;
    };
    if (auto* plain = qobject_cast<QPlainTextEdit*>(box))
        return insertInto(plain);
    if (auto* rich = qobject_cast<QTextEdit*>(box))
        return insertInto(rich);
    return false;
}

} // namespace

void PasteGuard::setLimit(QWidget* box, int characters)
{
    box->setProperty(LimitProperty, characters);
}

int PasteGuard::Limit(const QWidget* box)
{
    bool set = false;
    int limit = box->property(LimitProperty).toInt(&set);
    if (!set)
        limit = DefaultLimit;
    if (const auto* line = qobject_cast<const QLineEdit*>(box))
        limit = set ? std::min(limit, line->maxLength()) : line->maxLength();
    return std::max(limit, 0);
}

void PasteGuard::Install()
{
    // The guard goes with the application; installed, it is one of its children.
    if (!qApp || qApp->findChild<QObject*>(GuardName, Qt::FindDirectChildrenOnly))
        return;
    auto* guard = new PasteGuard(qApp);
    guard->setObjectName(GuardName);
    qApp->installEventFilter(guard);
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
        if (static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste) && isTextBox(watched)) {
            if (!CanPaste(QClipboard::Clipboard) || pasteCut(boxOf(watched), QClipboard::Clipboard, {}, false)) {
                event->accept();
                return true;
            }
        }
        break;
    case QEvent::MouseButtonRelease: {
        // X11 pastes the selection on a middle click.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::MiddleButton && isTextBox(watched)) {
            if (!CanPaste(QClipboard::Selection) ||
                pasteCut(boxOf(watched), QClipboard::Selection, mouse->position().toPoint(), true)) {
                event->accept();
                return true;
            }
        }
        break;
    }
    default:
        break;
    }
    return false;
}
