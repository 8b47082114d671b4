#include "clerk/PagedDocument.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>

#include <algorithm>

namespace {

// Room between columns and around the footer, in millimetres.
constexpr double ColumnGap = 2.5;
constexpr double FooterHeight = 8;
constexpr double SmallestTablePoints = 6;

} // namespace

PagedDocument::PagedDocument(QPagedPaintDevice& device, QString footerTitle, QString printedAt)
    : m_device(device), m_footerTitle(std::move(footerTitle)), m_printedAt(std::move(printedAt))
{
    m_unit = device.logicalDpiX() / 25.4;
    m_width = device.width();
    m_height = device.height() - FooterHeight * m_unit;
    m_pages.emplace_back();
}

PagedDocument::PagedDocument(QPagedPaintDevice& device, QString footerTitle, QString printedAt, QPainter& shared,
                             bool afterAnother)
    : PagedDocument(device, std::move(footerTitle), std::move(printedAt))
{
    m_painter = &shared;
    m_afterAnother = afterAnother;
}

PagedDocument::~PagedDocument()
{
    Finish();
}

QFont PagedDocument::Font(double points, bool bold) const
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

double PagedDocument::LineHeight(double points) const
{
    return QFontMetricsF(Font(points, false), &m_device).height() * 1.25;
}

double PagedDocument::TextWidth(const QString& text, double points, bool bold) const
{
    return QFontMetricsF(Font(points, bold), &m_device).horizontalAdvance(text);
}

void PagedDocument::Room(double height)
{
    if (m_y > 0 && m_y + height > m_height) {
        m_pages.emplace_back();
        m_y = 0;
    }
}

void PagedDocument::AddLines(const QStringList& lines, double points, bool bold)
{
    const QFont font = Font(points, bold);
    const double height = LineHeight(points);
    for (const QString& line : lines) {
        Room(height);
        const QRectF box(0, m_y, m_width, height);
        m_pages.back().push_back([font, box, line](QPainter& painter) {
            painter.setFont(font);
            painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, line);
        });
        m_y += height;
    }
}

void PagedDocument::AddSpace(double millimetres)
{
    m_y += millimetres * m_unit;
}

void PagedDocument::AddDrawing(double millimetres, std::function<void(QPainter&, const QRectF&)> paint)
{
    const double height = millimetres * m_unit;
    Room(height);
    const QRectF box(0, m_y, m_width, height);
    m_pages.back().push_back([box, paint = std::move(paint)](QPainter& painter) {
        painter.save();
        paint(painter, box);
        painter.restore();
    });
    m_y += height;
}

void PagedDocument::NewPage()
{
    if (m_y > 0) {
        m_pages.emplace_back();
        m_y = 0;
    }
}

void PagedDocument::AddTable(const std::vector<Column>& columns, const std::vector<QStringList>& rows,
                             const QStringList& totals)
{
    // Every column as wide as its widest text; the stretching one takes what is left. When the
    // fixed columns alone are wider than the page, the whole table is set smaller.
    double points = 9;
    std::vector<double> widths(columns.size(), 0);
    const auto measure = [&](double size) {
        const QFontMetricsF normal(Font(size, false), &m_device);
        const QFontMetricsF bold(Font(size, true), &m_device);
        for (size_t c = 0; c < columns.size(); ++c) {
            widths[c] = bold.horizontalAdvance(columns[c].header);
            if (columns[c].stretch)
                continue;
            for (const QStringList& row : rows)
                widths[c] = std::max(widths[c], normal.horizontalAdvance(row.value(static_cast<qsizetype>(c))));
            widths[c] = std::max(widths[c], bold.horizontalAdvance(totals.value(static_cast<qsizetype>(c))));
        }
        double fixed = 0;
        for (size_t c = 0; c < columns.size(); ++c)
            fixed += (columns[c].stretch ? 0 : widths[c]) + ColumnGap * m_unit;
        return fixed;
    };
    const double minimumStretch = 25 * m_unit;
    double fixed = measure(points);
    if (fixed + minimumStretch > m_width) {
        points = std::max(SmallestTablePoints, points * (m_width - minimumStretch) / fixed);
        fixed = measure(points);
    }
    for (size_t c = 0; c < columns.size(); ++c) {
        if (columns[c].stretch)
            widths[c] = std::max(0.0, m_width - fixed);
    }

    const QFont normal = Font(points, false);
    const QFont bold = Font(points, true);
    const double height = LineHeight(points);
    const double gap = ColumnGap * m_unit;
    const auto rowPainter = [columns, widths, gap, height](const QStringList& cells, const QFont& font, double top,
                                                           bool ruleBelow, bool ruleAbove) {
        return [=](QPainter& painter) {
            painter.setFont(font);
            const QFontMetricsF metrics(font, painter.device());
            double x = 0;
            for (size_t c = 0; c < columns.size(); ++c) {
                const QString cell = cells.value(static_cast<qsizetype>(c));
                const QString shown =
                    columns[c].stretch ? metrics.elidedText(cell.simplified(), Qt::ElideRight, widths[c]) : cell;
                painter.drawText(QRectF(x, top, widths[c], height),
                                 columns[c].align | Qt::AlignVCenter | Qt::TextSingleLine, shown);
                x += widths[c] + gap;
            }
            const double right = x - gap;
            painter.setPen(QPen(Qt::black, 0));
            if (ruleBelow)
                painter.drawLine(QPointF(0, top + height), QPointF(right, top + height));
            if (ruleAbove)
                painter.drawLine(QPointF(0, top), QPointF(right, top));
        };
    };
    QStringList headers;
    for (const Column& column : columns)
        headers << column.header;

    const auto header = [&] {
        m_pages.back().push_back(rowPainter(headers, bold, m_y, true, false));
        m_y += height * 1.15;
    };
    Room(2 * height);
    header();
    for (const QStringList& row : rows) {
        if (m_y + height > m_height) {
            m_pages.emplace_back();
            m_y = 0;
            header();
        }
        m_pages.back().push_back(rowPainter(row, normal, m_y, false, false));
        m_y += height;
    }
    if (!totals.isEmpty()) {
        Room(height * 1.2);
        m_y += height * 0.2;
        m_pages.back().push_back(rowPainter(totals, bold, m_y, false, true));
        m_y += height;
    }
}

void PagedDocument::PaintFooter(int page, int pages)
{
    const QFont font = Font(7.5, false);
    m_painter->setFont(font);
    const double top = m_height + (FooterHeight - 5) * m_unit;
    const QRectF box(0, top, m_width, 5 * m_unit);
    m_painter->setPen(QPen(Qt::black, 0));
    m_painter->drawLine(QPointF(0, top - m_unit), QPointF(m_width, top - m_unit));
    m_painter->drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                        QFontMetricsF(font, &m_device).elidedText(m_footerTitle, Qt::ElideRight, m_width * 0.45));
    m_painter->drawText(box, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine,
                        QCoreApplication::translate("PagedDocument", "Page %1 of %2").arg(page).arg(pages));
    m_painter->drawText(box, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                        QCoreApplication::translate("PagedDocument", "Printed %1").arg(m_printedAt));
}

void PagedDocument::Finish()
{
    if (m_finished)
        return;
    m_finished = true;
    const bool own = m_painter == &m_ownPainter;
    if (own && !m_painter->begin(&m_device))
        return;
    const int pages = static_cast<int>(m_pages.size());
    for (int page = 0; page < pages; ++page) {
        if (page > 0 || m_afterAnother)
            m_device.newPage();
        for (const auto& paint : m_pages[static_cast<size_t>(page)])
            paint(*m_painter);
        PaintFooter(page + 1, pages);
    }
    if (own)
        m_painter->end();
}
