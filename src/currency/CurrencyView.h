#pragma once

#include "sale/SaleController.h"

#include <QWidget>

class AppSettings;

// The bid in the currency board's currencies, drawn: each line "≈ USD $ 3,400" and "for guidance
// only" beneath them. It watches the sale, so its lines change in the same update as the
// amount. As a strip (the audience screen) the lines fill rows across; as a board (the Currency
// Board window) the sale's own amount stands large above them, with the rates' time.
class CurrencyView : public QWidget
{
    Q_OBJECT

public:
    enum class Style
    {
        Strip,
        Board
    };

    CurrencyView(const SaleController& sale, const AppSettings& settings, Style style, QWidget* parent = nullptr);

    // The lines as drawn now, the sale's own amount first on a board.
    QStringList Texts() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void sale_Changed(SaleController::Changes what);

    const SaleController& m_sale;
    const AppSettings& m_settings;
    Style m_style;
};
