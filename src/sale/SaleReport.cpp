#include "sale/SaleReport.h"

#include "clerk/PagedDocument.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const QLocale& English()
{
    static const QLocale locale(QLocale::English, QLocale::UnitedStates);
    return locale;
}

} // namespace

namespace {

// The hammer of each lot sold against its starting bid, on a logarithmic scale so that a lot
// of 1,000 beside one of 999,999 still shows; amounts on the left, lot numbers on the baseline.
void PaintChart(QPainter& painter, const QRectF& box, const std::vector<const LotResult*>& sold,
                const MoneyFormat& money, double unit)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(7);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    qint64 smallest = std::numeric_limits<qint64>::max();
    qint64 largest = 1;
    for (const LotResult* result : sold) {
        for (const qint64 amount : {qint64(result->price), qint64(result->startingBid)}) {
            if (amount > 0)
                smallest = std::min(smallest, amount);
            largest = std::max(largest, amount);
        }
    }
    if (smallest > largest)
        smallest = 1;
    // A decade below the smallest amount, so that its bar has height; headroom above the largest.
    double low = std::pow(10.0, std::floor(std::log10(static_cast<double>(smallest))));
    if (low >= static_cast<double>(smallest))
        low /= 10;
    low = std::max(low, 1.0);
    const double high = std::pow(10.0, std::ceil(std::log10(static_cast<double>(largest) * 1.25)));
    const int decades = static_cast<int>(std::lround(std::log10(high / low)));
    std::vector<double> ticks;
    for (double decade = low; decade <= high * 1.0001; decade *= 10) {
        ticks.push_back(decade);
        if (decades <= 3 && decade * 10 <= high * 1.0001) {
            ticks.push_back(decade * 2);
            ticks.push_back(decade * 5);
        }
    }
    double labelWidth = 0;
    for (const double tick : ticks)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(money.Text(std::llround(tick))));
    const QRectF plot(box.left() + labelWidth + 2 * unit, box.top() + unit, box.width() - labelWidth - 3 * unit,
                      box.height() - metrics.height() - 3 * unit);
    const auto yOf = [&](double amount) {
        const double share =
            (std::log10(std::max(amount, low)) - std::log10(low)) / (std::log10(high) - std::log10(low));
        return plot.bottom() - share * plot.height();
    };

    // The scale: a faint line and its amount at each tick.
    for (const double tick : ticks) {
        const double y = yOf(tick);
        painter.setPen(QPen(QColor(210, 210, 210), 0));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(box.left(), y - metrics.height() / 2, labelWidth, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, money.Text(std::llround(tick)));
    }
    painter.setPen(QPen(Qt::black, 0));
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    if (sold.empty())
        return;

    // Many lots share a column of the chart rather than draw over each other.
    const int columns = static_cast<int>(std::min<size_t>(sold.size(), static_cast<size_t>(plot.width() / unit)));
    const double width = plot.width() / columns;
    double widestLot = 0;
    for (const LotResult* result : sold)
        widestLot = std::max(widestLot, metrics.horizontalAdvance(QString::number(result->key.lotNumber)));
    const int labelEvery = std::max(1, static_cast<int>(std::ceil((widestLot + unit) / width)));
    for (int c = 0; c < columns; ++c) {
        const size_t from = sold.size() * static_cast<size_t>(c) / static_cast<size_t>(columns);
        const size_t to = sold.size() * static_cast<size_t>(c + 1) / static_cast<size_t>(columns);
        qint64 price = 0;
        qint64 start = 0;
        for (size_t i = from; i < to; ++i) {
            price = std::max<qint64>(price, sold[i]->price);
            start = std::max<qint64>(start, sold[i]->startingBid);
        }
        const double x = plot.left() + c * width;
        if (price > 0)
            painter.fillRect(QRectF(x + width * 0.1, yOf(static_cast<double>(price)), width * 0.5,
                                    plot.bottom() - yOf(static_cast<double>(price))),
                             QColor(0, 90, 170));
        if (start > 0)
            painter.fillRect(QRectF(x + width * 0.6, yOf(static_cast<double>(start)), width * 0.3,
                                    plot.bottom() - yOf(static_cast<double>(start))),
                             QColor(225, 125, 0));
        if (c % labelEvery == 0) {
            // Under its bar, but never past the chart's edges.
            const QString lot = QString::number(sold[from]->key.lotNumber);
            const double textWidth = metrics.horizontalAdvance(lot);
            const double left = std::clamp(x + width / 2 - textWidth / 2, plot.left(), box.right() - textWidth);
            painter.drawText(QRectF(left, plot.bottom() + unit, textWidth, metrics.height()),
                             Qt::AlignLeft | Qt::AlignTop, lot);
        }
    }
}

} // namespace

namespace SaleReport {

void Paint(QPagedPaintDevice& device, const Sheet& sheet, const MoneyFormat& money)
{
    const QString heading = QCoreApplication::translate("SaleReport", "Sale Results");
    const SaleDetails& details = sheet.details;
    PagedDocument document(device, details.title.isEmpty() ? heading : details.title,
                           QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat));
    const SaleRecord::Totals& t = sheet.totals;
    const auto cash = [&](qint64 amount) {
        return money.Text(amount);
    };

    // The summary page.
    if (!details.house.isEmpty())
        document.AddLines({details.house}, 12, true);
    document.AddLines({heading}, 18, true);
    QStringList sale;
    for (const QString& part : {details.title, details.venue, details.date}) {
        if (!part.isEmpty())
            sale << part;
    }
    if (!sale.isEmpty())
        document.AddLines({sale.join(QStringLiteral(", "))}, 11);
    document.AddLines({QCoreApplication::translate("SaleReport", "Sale started %1").arg(DateText(sheet.startedAt))},
                      11);
    document.AddSpace(3);
    document.AddLines(
        {
            QCoreApplication::translate("SaleReport", "Lots sold: %1").arg(t.sold),
            QCoreApplication::translate("SaleReport", "Lots passed: %1").arg(t.passed),
            QCoreApplication::translate("SaleReport", "Not yet offered: %1").arg(t.notOffered),
            QCoreApplication::translate("SaleReport", "Total hammer: %1")
                .arg(Money(static_cast<double>(t.hammer), money)),
            QCoreApplication::translate("SaleReport", "Average hammer: %1").arg(Money(t.averageHammer(), money)),
            QCoreApplication::translate("SaleReport", "Sell-through: %1").arg(PercentText(t.sellThrough(), English())),
            QCoreApplication::translate("SaleReport", "Against starting bids: %1 / %2")
                .arg(Money(static_cast<double>(t.hammer), money), Money(static_cast<double>(t.startingOfSold), money)),
        },
        11);
    document.AddLines(sheet.rates, 10);

    std::vector<const LotResult*> sold;
    for (const SaleRecord::Row& row : sheet.rows) {
        if (row.result && row.result->outcome == LotResult::Outcome::Sold)
            sold.push_back(row.result);
    }
    document.AddSpace(4);
    const double unit = document.unit();
    document.AddDrawing(75, [&sold, money, unit](QPainter& painter, const QRectF& box) {
        PaintChart(painter, box, sold, money, unit);
    });
    document.AddLines({QCoreApplication::translate("SaleReport", "Blue: hammer price. Orange: starting bid. Lots "
                                                                 "sold, in sale order, on a logarithmic scale.")},
                      8);
    document.AddSpace(4);

    std::vector<const LotResult*> best = sold;
    const size_t topCount = std::min<size_t>(10, best.size());
    std::partial_sort(best.begin(), best.begin() + static_cast<std::ptrdiff_t>(topCount), best.end(),
                      [](const LotResult* a, const LotResult* b) { return a->price > b->price; });
    document.AddLines({QCoreApplication::translate("SaleReport", "Top ten lots")}, 12, true);
    QStringList top;
    for (size_t i = 0; i < topCount; ++i)
        top << QCoreApplication::translate("SaleReport", "%1. Lot %2  %3  %4")
                   .arg(i + 1)
                   .arg(best[i]->key.lotNumber)
                   .arg(cash(best[i]->price), best[i]->key.note.simplified().left(60));
    document.AddLines(top, 10);

    // Every lot, amounts with the sale's sign, and the totals of the lots sold.
    document.NewPage();
    std::vector<QStringList> rows;
    rows.reserve(sheet.rows.size());
    for (const SaleRecord::Row& row : sheet.rows) {
        const LotText lot = Describe(row);
        const LotResult* result = row.result;
        const bool isSold = result && result->outcome == LotResult::Outcome::Sold;
        const bool passed = result && result->outcome == LotResult::Outcome::Passed;
        const qint64 starting = row.lot && !(result && result->marked()) ? row.lot->Amount
                                : result                                 ? result->startingBid
                                                                         : 0;
        rows.push_back(
            {lot.position, lot.lot,
             lot.note.simplified() +
                 (row.lot ? QString() : QCoreApplication::translate("SaleReport", " (no longer in the list)")),
             cash(starting), OutcomeText(result), isSold ? cash(result->price) : QString(),
             passed ? cash(result->price) : QString(), result ? TimeText(result->time) : QString(),
             result ? result->buyer : QString()});
    }
    const auto column = [](const char* title, Qt::Alignment align = Qt::AlignRight, bool stretch = false) {
        return PagedDocument::Column{QCoreApplication::translate("SaleReport", title), align, stretch};
    };
    document.AddTable(
        {column(QT_TRANSLATE_NOOP("SaleReport", "Pos.")), column(QT_TRANSLATE_NOOP("SaleReport", "Lot")),
         column(QT_TRANSLATE_NOOP("SaleReport", "Note"), Qt::AlignLeft, true),
         column(QT_TRANSLATE_NOOP("SaleReport", "Start")),
         column(QT_TRANSLATE_NOOP("SaleReport", "Result"), Qt::AlignLeft),
         column(QT_TRANSLATE_NOOP("SaleReport", "Hammer")), column(QT_TRANSLATE_NOOP("SaleReport", "Bid reached")),
         column(QT_TRANSLATE_NOOP("SaleReport", "Time")),
         column(QT_TRANSLATE_NOOP("SaleReport", "Buyer"), Qt::AlignLeft)},
        rows,
        {QString(), QString(), QCoreApplication::translate("SaleReport", "Total of the %1 lots sold").arg(t.sold),
         cash(t.startingOfSold), QString(), cash(t.hammer), QString(), QString(), QString()});

    // Lots that came up more than once, with every hammer on them.
    QStringList history;
    for (const SaleRecord::Row& row : sheet.rows) {
        if (!row.result || row.result->history.size() < 2)
            continue;
        QStringList steps;
        for (const LotResult::Step& step : row.result->history)
            steps << QCoreApplication::translate("SaleReport", "%1 %2 at %3")
                         .arg(OutcomeText(step.outcome), cash(step.amount), TimeText(step.time));
        history << QCoreApplication::translate("SaleReport", "Lot %1: %2")
                       .arg(row.result->key.lotNumber)
                       .arg(steps.join(QStringLiteral("; ")));
    }
    if (!history.isEmpty()) {
        document.AddSpace(5);
        document.AddLines({QCoreApplication::translate("SaleReport", "Lots offered more than once")}, 10, true);
        document.AddLines(history, 8.5);
    }
    document.Finish();
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
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                         QPageLayout::Millimeter));
        Paint(writer, sheet, money);
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace SaleReport
