#pragma once

#include <QAccessibleTextInterface>
#include <QAccessibleWidget>

#include <vector>

class QTextEdit;

// The help viewer as a screen reader reads it: a read-only text with a caret, in which each
// picture is its description (or its "Picture n" name) instead of the object replacement
// character that stands for it in the document. Offsets are those of that spoken text; the
// viewer's own cursor positions are translated at the edge.
class HelpAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    // Makes the viewer read this way; call once, before the viewer is first queried.
    static void Install(QTextEdit* viewer);

    explicit HelpAccessible(QTextEdit* viewer);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                             int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                            int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    struct Picture
    {
        int position;    // in the document
        int spokenStart; // in the spoken text
        QString name;
    };

    QTextEdit* viewer() const;
    // Brings the spoken text up to date with the document.
    void Refresh() const;
    int ToSpoken(int position) const;
    int ToDocument(int offset) const;
    // The visual line around a spoken offset, as spoken offsets [start, end).
    void LineAt(int offset, int* start, int* end) const;

    mutable const void* m_document = nullptr;
    mutable int m_revision = -1;
    mutable int m_characters = -1;
    mutable QString m_spoken;
    mutable std::vector<Picture> m_pictures;
};
