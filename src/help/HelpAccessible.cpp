#include "help/HelpAccessible.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextImageFormat>
#include <QTextLayout>

#include <algorithm>

namespace {

const char* const ViewerProperty = "gavelorHelpViewer";

QAccessibleInterface* CreateHelpAccessible(const QString& className, QObject* object)
{
    if (className != QLatin1String("QTextEdit") || !object->property(ViewerProperty).toBool())
        return nullptr;
    return new HelpAccessible(static_cast<QTextEdit*>(object));
}

} // namespace

void HelpAccessible::Install(QTextEdit* viewer)
{
    static const bool installed = [] {
        QAccessible::installFactory(CreateHelpAccessible);
        return true;
    }();
    Q_UNUSED(installed);
    viewer->setProperty(ViewerProperty, true);
}

HelpAccessible::HelpAccessible(QTextEdit* viewer) : QAccessibleWidget(viewer, QAccessible::EditableText) {}

QTextEdit* HelpAccessible::viewer() const
{
    return static_cast<QTextEdit*>(widget());
}

void* HelpAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State HelpAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.multiLine = true;
    state.selectableText = true;
    return state;
}

void HelpAccessible::Refresh() const
{
    const QTextDocument* document = viewer()->document();
    // Edits move the revision or the length; a new document is another object.
    if (document == m_document && document->revision() == m_revision && document->characterCount() == m_characters &&
        !m_spoken.isNull())
        return;
    m_document = document;
    m_revision = document->revision();
    m_characters = document->characterCount();
    const QString plain = document->toPlainText();
    m_spoken = QString(QLatin1String(""));
    m_pictures.clear();
    qsizetype from = 0;
    for (qsizetype at = plain.indexOf(QChar::ObjectReplacementCharacter); at >= 0;
         at = plain.indexOf(QChar::ObjectReplacementCharacter, at + 1)) {
        QTextCursor cursor(const_cast<QTextDocument*>(document));
        cursor.setPosition(static_cast<int>(at + 1));
        QString name = cursor.charFormat().toImageFormat().property(QTextFormat::ImageAltText).toString();
        if (name.isEmpty())
            name = QChar(QChar::ObjectReplacementCharacter);
        m_spoken += QStringView(plain).mid(from, at - from);
        m_pictures.push_back({static_cast<int>(at), static_cast<int>(m_spoken.size()), name});
        m_spoken += name;
        from = at + 1;
    }
    m_spoken += QStringView(plain).mid(from);
}

int HelpAccessible::ToSpoken(int position) const
{
    Refresh();
    int shift = 0;
    for (const Picture& picture : m_pictures) {
        if (picture.position >= position)
            break;
        shift += static_cast<int>(picture.name.size()) - 1;
    }
    return position + shift;
}

int HelpAccessible::ToDocument(int offset) const
{
    Refresh();
    int shift = 0;
    for (const Picture& picture : m_pictures) {
        if (offset < picture.spokenStart)
            break;
        if (offset < picture.spokenStart + picture.name.size())
            return picture.position;
        shift += static_cast<int>(picture.name.size()) - 1;
    }
    return offset - shift;
}

void HelpAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    const QTextCursor cursor = viewer()->textCursor();
    if (selectionIndex != 0 || !cursor.hasSelection())
        return;
    *startOffset = ToSpoken(cursor.selectionStart());
    *endOffset = ToSpoken(cursor.selectionEnd());
}

int HelpAccessible::selectionCount() const
{
    return viewer()->textCursor().hasSelection() ? 1 : 0;
}

void HelpAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void HelpAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex != 0)
        return;
    QTextCursor cursor = viewer()->textCursor();
    cursor.clearSelection();
    viewer()->setTextCursor(cursor);
}

void HelpAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex != 0)
        return;
    QTextCursor cursor = viewer()->textCursor();
    cursor.setPosition(ToDocument(startOffset));
    cursor.setPosition(ToDocument(endOffset), QTextCursor::KeepAnchor);
    viewer()->setTextCursor(cursor);
}

int HelpAccessible::cursorPosition() const
{
    return ToSpoken(viewer()->textCursor().position());
}

void HelpAccessible::setCursorPosition(int position)
{
    QTextCursor cursor = viewer()->textCursor();
    cursor.setPosition(ToDocument(position));
    viewer()->setTextCursor(cursor);
}

QString HelpAccessible::text(int startOffset, int endOffset) const
{
    Refresh();
    if (endOffset < 0 || endOffset > m_spoken.size())
        endOffset = static_cast<int>(m_spoken.size());
    startOffset = std::clamp(startOffset, 0, endOffset);
    return m_spoken.mid(startOffset, endOffset - startOffset);
}

int HelpAccessible::characterCount() const
{
    Refresh();
    return static_cast<int>(m_spoken.size());
}

void HelpAccessible::LineAt(int offset, int* start, int* end) const
{
    const QTextDocument* document = viewer()->document();
    const int position = ToDocument(std::clamp(offset, 0, characterCount()));
    const QTextBlock block = document->findBlock(position);
    int from = block.position();
    // A line runs to the start of the next one: the last line of a paragraph takes its break.
    int to = block.position() + block.length();
    if (const QTextLayout* layout = block.layout(); layout && layout->lineCount() > 0) {
        const QTextLine line = layout->lineForTextPosition(position - block.position());
        if (line.isValid()) {
            from = block.position() + line.textStart();
            if (line.lineNumber() + 1 < layout->lineCount())
                to = from + line.textLength();
        }
    }
    *start = ToSpoken(from);
    *end = std::min(ToSpoken(to), characterCount());
}

QString HelpAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                     int* endOffset) const
{
    if (boundaryType != QAccessible::LineBoundary)
        return QAccessibleTextInterface::textAtOffset(offset, boundaryType, startOffset, endOffset);
    LineAt(offset, startOffset, endOffset);
    return text(*startOffset, *endOffset);
}

QString HelpAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                         int* endOffset) const
{
    if (boundaryType != QAccessible::LineBoundary)
        return QAccessibleTextInterface::textBeforeOffset(offset, boundaryType, startOffset, endOffset);
    int lineStart = 0, lineEnd = 0;
    LineAt(offset, &lineStart, &lineEnd);
    if (lineStart == 0) {
        *startOffset = *endOffset = 0;
        return {};
    }
    LineAt(lineStart - 1, startOffset, endOffset);
    return text(*startOffset, *endOffset);
}

QString HelpAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                        int* endOffset) const
{
    if (boundaryType != QAccessible::LineBoundary)
        return QAccessibleTextInterface::textAfterOffset(offset, boundaryType, startOffset, endOffset);
    int lineStart = 0, lineEnd = 0;
    LineAt(offset, &lineStart, &lineEnd);
    if (lineEnd >= characterCount()) {
        *startOffset = *endOffset = characterCount();
        return {};
    }
    LineAt(lineEnd, startOffset, endOffset);
    return text(*startOffset, *endOffset);
}

QRect HelpAccessible::characterRect(int offset) const
{
    QTextCursor cursor(viewer()->document());
    cursor.setPosition(ToDocument(offset));
    QRect rect = viewer()->cursorRect(cursor);
    cursor.movePosition(QTextCursor::NextCharacter);
    const QRect next = viewer()->cursorRect(cursor);
    if (next.top() == rect.top() && next.left() > rect.left())
        rect.setRight(next.left() - 1);
    return QRect(viewer()->viewport()->mapToGlobal(rect.topLeft()), rect.size());
}

int HelpAccessible::offsetAtPoint(const QPoint& point) const
{
    const QPoint inView = viewer()->viewport()->mapFromGlobal(point);
    if (!viewer()->viewport()->rect().contains(inView))
        return -1;
    return ToSpoken(viewer()->cursorForPosition(inView).position());
}

void HelpAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    QTextCursor cursor(viewer()->document());
    cursor.setPosition(ToDocument(startIndex));
    const QRect first = viewer()->cursorRect(cursor);
    cursor.setPosition(ToDocument(endIndex));
    const QRect shown = first.united(viewer()->cursorRect(cursor));
    QScrollBar* bar = viewer()->verticalScrollBar();
    if (shown.top() < 0 || shown.height() > viewer()->viewport()->height())
        bar->setValue(bar->value() + shown.top());
    else if (shown.bottom() > viewer()->viewport()->height())
        bar->setValue(bar->value() + shown.bottom() - viewer()->viewport()->height());
}

QString HelpAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    Q_UNUSED(offset);
    // One run without attributes of its own: the reader's formatting is not read aloud.
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}
