#pragma once

#include "common/ColumnRowDelegate.h"

// Draws a lot row in three aligned columns: lot number and starting bid right-aligned,
// then the note. Rows stay one line high (the list uses uniform row sizes), so a line
// break inside a note is drawn as a visible mark.
class LotRowDelegate : public ColumnRowDelegate
{
    Q_OBJECT

public:
    using ColumnRowDelegate::ColumnRowDelegate;

    // The mark that stands for a line break of the note within a row.
    static constexpr QChar LineBreakMark = QChar(0x21B5);

    static QString NoteOnOneLine(const QString& note);

protected:
    QList<Column> columns(const QRect& textArea, const QFontMetrics& metrics, const QModelIndex& index) const override;
};
