#pragma once

#include <QFont>
#include <QPainter>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QPagedPaintDevice;

// A document for paper: a heading block, tables whose columns are measured to fit the page's
// width, and a footer on every page with its title, "Page 3 of 7" and when it was printed.
// Laid out before it is painted, so every page knows how many there are.
class PagedDocument
{
public:
    struct Column
    {
        QString header;
        Qt::Alignment align = Qt::AlignRight;
        // The one column that takes the width left over; its long texts are cut short.
        bool stretch = false;
    };

    PagedDocument(QPagedPaintDevice& device, QString footerTitle, QString printedAt);
    // One of several documents on one device (a print job): painted with the caller's painter,
    // from a new page when another document came before it. Its pages are numbered on their own.
    PagedDocument(QPagedPaintDevice& device, QString footerTitle, QString printedAt, QPainter& shared,
                  bool afterAnother);
    ~PagedDocument();

    // Lines of text in the given size (points) and weight, each on a line of its own.
    void AddLines(const QStringList& lines, double points, bool bold = false);
    void AddSpace(double millimetres);
    // A drawing of the page's width and the given height, painted into the box it is given.
    void AddDrawing(double millimetres, std::function<void(QPainter&, const QRectF&)> paint);
    // What follows starts on a page of its own.
    void NewPage();
    // Device pixels per millimetre, for drawings.
    double unit() const { return m_unit; }
    // A table with a ruled header repeated on each page; a bold totals row when given.
    void AddTable(const std::vector<Column>& columns, const std::vector<QStringList>& rows,
                  const QStringList& totals = {});
    // Paints everything laid out so far; nothing can be added afterwards.
    void Finish();

    // The width a text takes in a font of this document: for tests and measuring.
    double TextWidth(const QString& text, double points, bool bold = false) const;

private:
    QFont Font(double points, bool bold) const;
    double LineHeight(double points) const;
    // Starts a new page when `height` does not fit below what is laid out.
    void Room(double height);
    void PaintFooter(int page, int pages);

    QPagedPaintDevice& m_device;
    QPainter m_ownPainter;
    QPainter* m_painter = &m_ownPainter;
    bool m_afterAnother = false;
    QString m_footerTitle;
    QString m_printedAt;
    double m_unit = 1; // device pixels per millimetre
    double m_width = 0;
    double m_height = 0; // of the body, above the footer
    double m_y = 0;
    int m_page = 0;
    std::vector<std::vector<std::function<void(QPainter&)>>> m_pages;
    bool m_finished = false;
};
