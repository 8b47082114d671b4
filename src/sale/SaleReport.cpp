#include "sale/SaleReport.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

namespace {

const QLocale& English()
{
    static const QLocale locale(QLocale::English, QLocale::UnitedStates);
    return locale;
}

QString Percent(double fraction)
{
    return English().toString(fraction * 100.0, 'f', 1) + QLatin1Char('%');
}

} // namespace

namespace SaleReport {

void Paint(QPagedPaintDevice& device, const Sheet& sheet, const MoneyFormat& money)
{
    QPainter painter(&device);
    const QRect page = painter.viewport();
    const double unit = page.height() / 280.0; // about a millimetre on A4 or Letter
    const auto pt = [&](double size) {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(std::max(1, static_cast<int>(size * unit * 0.35)));
        return font;
    };
    const SaleRecord::Totals& t = sheet.totals;

    // The summary page.
    double y = 0;
    QFont title = pt(18);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRectF(0, y, page.width(), 10 * unit), Qt::AlignLeft | Qt::AlignVCenter,
                     QCoreApplication::translate("SaleReport", "Sale Results"));
    y += 11 * unit;
    painter.setFont(pt(11));
    painter.drawText(QRectF(0, y, page.width(), 6 * unit), Qt::AlignLeft | Qt::AlignVCenter,
                     QCoreApplication::translate("SaleReport", "Sale started %1").arg(DateText(sheet.startedAt)));
    y += 9 * unit;
    const QStringList summary = {
        QCoreApplication::translate("SaleReport", "Lots sold: %1").arg(t.sold),
        QCoreApplication::translate("SaleReport", "Lots passed: %1").arg(t.passed),
        QCoreApplication::translate("SaleReport", "Not yet offered: %1").arg(t.notOffered),
        QCoreApplication::translate("SaleReport", "Total hammer: %1").arg(Money(static_cast<double>(t.hammer), money)),
        QCoreApplication::translate("SaleReport", "Average hammer: %1").arg(Money(t.averageHammer(), money)),
        QCoreApplication::translate("SaleReport", "Sell-through: %1").arg(Percent(t.sellThrough())),
        QCoreApplication::translate("SaleReport", "Against starting bids: %1 / %2")
            .arg(Money(static_cast<double>(t.hammer), money), Money(static_cast<double>(t.startingOfSold), money)),
    };
    for (const QString& line : summary) {
        painter.drawText(QRectF(0, y, page.width(), 6 * unit), Qt::AlignLeft | Qt::AlignVCenter, line);
        y += 6 * unit;
    }
    for (const QString& line : sheet.rates) {
        painter.drawText(QRectF(0, y, page.width(), 6 * unit), Qt::AlignLeft | Qt::AlignVCenter, line);
        y += 6 * unit;
    }

    // Hammer price against starting bid, lot by lot in sale order.
    y += 4 * unit;
    const QRectF chart(10 * unit, y, page.width() - 10 * unit, 70 * unit);
    std::vector<const LotResult*> sold;
    for (const SaleRecord::Row& row : sheet.rows) {
        if (row.result && row.result->outcome == LotResult::Outcome::Sold)
            sold.push_back(row.result);
    }
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(chart);
    qint64 top = 1;
    for (const LotResult* result : sold)
        top = std::max<qint64>({top, result->price, result->startingBid});
    if (!sold.empty()) {
        // Many lots share a column of the chart rather than draw over each other.
        const int columns = static_cast<int>(std::min<size_t>(sold.size(), static_cast<size_t>(chart.width() / 2)));
        const double width = chart.width() / columns;
        for (int c = 0; c < columns; ++c) {
            const size_t from = sold.size() * static_cast<size_t>(c) / static_cast<size_t>(columns);
            const size_t to = sold.size() * static_cast<size_t>(c + 1) / static_cast<size_t>(columns);
            qint64 price = 0;
            qint64 start = 0;
            for (size_t i = from; i < to; ++i) {
                price = std::max<qint64>(price, sold[i]->price);
                start = std::max<qint64>(start, sold[i]->startingBid);
            }
            const double x = chart.left() + c * width;
            const double priceHeight = chart.height() * static_cast<double>(price) / static_cast<double>(top);
            const double startHeight = chart.height() * static_cast<double>(start) / static_cast<double>(top);
            painter.fillRect(QRectF(x, chart.bottom() - priceHeight, width * 0.6, priceHeight), QColor(0, 110, 200));
            painter.fillRect(QRectF(x + width * 0.6, chart.bottom() - startHeight, width * 0.3, startHeight),
                             QColor(230, 130, 0));
        }
    }
    painter.setFont(pt(8));
    painter.drawText(
        QRectF(chart.left(), chart.bottom() + unit, chart.width(), 5 * unit), Qt::AlignLeft,
        QCoreApplication::translate("SaleReport",
                                    "Blue: hammer price. Orange: starting bid. Lots sold, in sale order; highest %1.")
            .arg(Money(static_cast<double>(top), money)));
    y = chart.bottom() + 10 * unit;

    std::vector<const LotResult*> best = sold;
    const size_t topCount = std::min<size_t>(10, best.size());
    std::partial_sort(best.begin(), best.begin() + static_cast<std::ptrdiff_t>(topCount), best.end(),
                      [](const LotResult* a, const LotResult* b) { return a->price > b->price; });
    QFont heading = pt(12);
    heading.setBold(true);
    painter.setFont(heading);
    painter.drawText(QRectF(0, y, page.width(), 7 * unit), Qt::AlignLeft | Qt::AlignVCenter,
                     QCoreApplication::translate("SaleReport", "Top ten lots"));
    y += 8 * unit;
    painter.setFont(pt(10));
    for (size_t i = 0; i < topCount; ++i) {
        const LotResult* result = best[i];
        painter.drawText(QRectF(0, y, page.width(), 6 * unit), Qt::AlignLeft | Qt::AlignVCenter,
                         QCoreApplication::translate("SaleReport", "%1. Lot %2  %3  %4")
                             .arg(i + 1)
                             .arg(result->key.lotNumber)
                             .arg(Money(result->price, money), result->key.note.simplified().left(60)));
        y += 6 * unit;
    }

    // Every lot.
    const QStringList headers = {
        QCoreApplication::translate("SaleReport", "Pos."),   QCoreApplication::translate("SaleReport", "Lot"),
        QCoreApplication::translate("SaleReport", "Note"),   QCoreApplication::translate("SaleReport", "Start"),
        QCoreApplication::translate("SaleReport", "Result"), QCoreApplication::translate("SaleReport", "Hammer"),
        QCoreApplication::translate("SaleReport", "Time"),   QCoreApplication::translate("SaleReport", "Buyer")};
    const double widths[] = {0.07, 0.07, 0.36, 0.1, 0.09, 0.11, 0.1, 0.1};
    const double rowHeight = 5 * unit;
    const auto drawRow = [&](double top, const QStringList& cells) {
        double x = 0;
        for (qsizetype c = 0; c < cells.size(); ++c) {
            const double w = widths[c] * page.width();
            const Qt::Alignment align = (c == 2 || c == 7) ? Qt::AlignLeft : Qt::AlignRight;
            painter.drawText(QRectF(x, top, w - unit, rowHeight), align | Qt::AlignVCenter | Qt::TextSingleLine,
                             cells[c]);
            x += w;
        }
    };
    const QFont bold = [&] {
        QFont f = pt(9);
        f.setBold(true);
        return f;
    }();
    const QFont normal = pt(9);
    y = page.height();
    for (const SaleRecord::Row& row : sheet.rows) {
        if (y + rowHeight > page.height()) {
            device.newPage();
            painter.setFont(bold);
            drawRow(0, headers);
            painter.drawLine(QPointF(0, rowHeight), QPointF(page.width(), rowHeight));
            painter.setFont(normal);
            y = rowHeight * 1.2;
        }
        const LotText lot = Describe(row);
        const LotResult* result = row.result;
        const bool sold = result && result->outcome == LotResult::Outcome::Sold;
        const QString note =
            lot.note.simplified() +
            (row.lot ? QString() : QCoreApplication::translate("SaleReport", " (no longer in the list)"));
        // A passed lot shows the bid it reached where a sold one shows its hammer.
        const bool passed = result && result->outcome == LotResult::Outcome::Passed;
        drawRow(y, {lot.position, lot.lot, note, lot.startingBid, OutcomeText(result),
                    sold || passed ? Money(result->price, money) : QString(),
                    result ? TimeText(result->time) : QString(), result ? result->buyer : QString()});
        y += rowHeight;
    }

    // Lots that came up more than once, with every hammer on them.
    bool headed = false;
    for (const SaleRecord::Row& row : sheet.rows) {
        if (!row.result || row.result->history.size() < 2)
            continue;
        if (!headed) {
            y += rowHeight;
            if (y + 3 * rowHeight > page.height()) {
                device.newPage();
                y = 0;
            }
            painter.setFont(bold);
            painter.drawText(QRectF(0, y, page.width(), rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                             QCoreApplication::translate("SaleReport", "Lots offered more than once"));
            painter.setFont(normal);
            y += rowHeight * 1.2;
            headed = true;
        }
        QStringList steps;
        for (const LotResult::Step& step : row.result->history)
            steps << QCoreApplication::translate("SaleReport", "%1 %2 at %3")
                         .arg(OutcomeText(step.outcome), Money(step.amount, money), TimeText(step.time));
        if (y + rowHeight > page.height()) {
            device.newPage();
            y = 0;
        }
        painter.drawText(QRectF(0, y, page.width(), rowHeight), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         QCoreApplication::translate("SaleReport", "Lot %1: %2")
                             .arg(row.result->key.lotNumber)
                             .arg(steps.join(QStringLiteral("; "))));
        y += rowHeight;
    }
}

QString SavePdf(const QString& path, const Sheet& sheet, const MoneyFormat& money)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    {
        QPdfWriter writer(&file);
        writer.setTitle(QCoreApplication::translate("SaleReport", "Sale Results"));
        writer.setCreator(QStringLiteral("Gavelor"));
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15)));
        Paint(writer, sheet, money);
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace SaleReport
