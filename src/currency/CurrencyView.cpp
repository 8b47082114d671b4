#include "currency/CurrencyView.h"

#include "currency/CurrencyBoard.h"
#include "records/AppSettings.h"
#include "scoreboard/LedColors.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace {

QFont FontOfHeight(qreal pixels, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setBold(bold);
    font.setPixelSize(std::max(1, static_cast<int>(std::floor(pixels))));
    return font;
}

// The largest font of at most `height` pixels in which the widest text fits `width`.
QFont FittingFont(const QStringList& texts, qreal width, qreal height, bool bold)
{
    QFont font = FontOfHeight(height, bold);
    qreal widest = 0;
    const QFontMetricsF metrics(font);
    for (const QString& text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    if (widest > width && widest > 0)
        font = FontOfHeight(height * width / widest, bold);
    return font;
}

} // namespace

CurrencyView::CurrencyView(const SaleController& sale, const AppSettings& settings, Style style, QWidget* parent)
    : QWidget(parent), m_sale(sale), m_settings(settings), m_style(style)
{
    setObjectName(style == Style::Strip ? QStringLiteral("currencyStrip") : QStringLiteral("currencyBoard"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    connect(&sale, &SaleController::Changed, this, &CurrencyView::sale_Changed);
    // The strip is there only while the board is on and has rates; the room sees nothing of it otherwise.
    if (style == Style::Strip)
        setVisible(sale.currencyBoard().Showing());
    // The board's window is the operator's too: a screen reader reads what it shows.
    if (style == Style::Board) {
        setFocusPolicy(Qt::StrongFocus);
        setAccessibleName(tr("Bid in other currencies"));
        setAccessibleDescription(Texts().join(QStringLiteral(", ")));
    }
}

void CurrencyView::sale_Changed(SaleController::Changes what)
{
    if (m_style == Style::Strip && what.testFlag(SaleController::Change::Currencies))
        setVisible(m_sale.currencyBoard().Showing());
    if (!(what & (SaleController::Change::Amount | SaleController::Change::Currencies)))
        return;
    update();
    if (m_style == Style::Board)
        setAccessibleDescription(Texts().join(QStringLiteral(", ")));
}

QStringList CurrencyView::Texts() const
{
    QStringList texts;
    if (m_style == Style::Board)
        texts << m_settings.Money().Text(m_sale.Amount());
    for (const Conversion& conversion : m_sale.Conversions())
        texts << CurrencyBoard::LineText(conversion, m_settings.Grouping);
    return texts;
}

void CurrencyView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor back =
        LedColors::ToQColor(m_style == Style::Strip ? m_settings.FormBackColor : m_settings.LEDBackColor);
    painter.fillRect(rect(), back);
    QStringList lines = Texts();
    const bool board = m_style == Style::Board;
    if (board && lines.size() <= 1)
        return;
    if (!board && lines.isEmpty())
        return;
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QColor text = LedColors::ToQColor(m_settings.TextColor);
    const QRectF area = QRectF(rect()).adjusted(width() * 0.01, height() * 0.02, -width() * 0.01, -height() * 0.02);

    // "for guidance only" (and on a board the rates' time) small along the bottom.
    const qreal footHeight = board ? area.height() * 0.06 : area.height() * 0.26;
    const QRectF foot(area.left(), area.bottom() - footHeight, area.width(), footHeight);
    QRectF body(area.left(), area.top(), area.width(), area.height() - footHeight);
    QString footText = CurrencyBoard::GuidanceText();
    if (board) {
        const QString time = m_sale.currencyBoard().RatesTimeText();
        if (!time.isEmpty())
            footText = time + QStringLiteral(" · ") + footText;
    }
    painter.setPen(text);
    painter.setFont(FittingFont({footText}, foot.width(), foot.height() * 0.9, false));
    painter.drawText(foot, Qt::AlignRight | Qt::AlignVCenter, footText);

    if (board) {
        // The sale's own amount large in the LED colour, the others beneath it.
        const QString house = lines.takeFirst();
        const QRectF top(body.left(), body.top(), body.width(), body.height() * 0.34);
        painter.setPen(LedColors::ToQColor(m_settings.LEDAmountColor));
        painter.setFont(FittingFont({house}, top.width(), top.height() * 0.8, true));
        painter.drawText(top, Qt::AlignCenter, house);
        body.setTop(top.bottom());
    }

    // Rows and columns chosen for the largest type that fits.
    const auto count = static_cast<int>(lines.size());
    QFont best;
    int bestRows = 1;
    qreal bestSize = -1;
    const int maxRows = board ? count : std::min(count, 2);
    for (int rows = 1; rows <= maxRows; ++rows) {
        const int columns = (count + rows - 1) / rows;
        const QFont font = FittingFont(lines, body.width() / columns * 0.92, body.height() / rows * 0.78, board);
        if (font.pixelSize() > bestSize) {
            bestSize = font.pixelSize();
            best = font;
            bestRows = rows;
        }
    }
    const int columns = (count + bestRows - 1) / bestRows;
    const qreal cellWidth = body.width() / columns;
    const qreal cellHeight = body.height() / bestRows;
    painter.setPen(text);
    painter.setFont(best);
    for (int i = 0; i < count; ++i) {
        // Down the columns on a board, where the lines read as a list; across on a strip.
        const int row = board ? i % bestRows : i / columns;
        const int column = board ? i / bestRows : i % columns;
        const QRectF cell(body.left() + column * cellWidth, body.top() + row * cellHeight, cellWidth, cellHeight);
        painter.drawText(cell, (board && columns == 1 ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter, lines[i]);
    }
}
