#pragma once

#include <QWidget>

class AppSettings;
class CurrencyView;
class SaleController;

// "Gavelor - Currency Board": the house's own currency screen. The sale's amount large, the
// board's currencies beneath it, "for guidance only". F11 puts it full screen on whatever screen
// it stands on, Esc takes it out of full screen (and closes it when it is not); every other key
// goes on to the scoreboard, whose keys they are.
class frmCurrencyBoard : public QWidget
{
    Q_OBJECT

public:
    static constexpr int ClientWidth = 9600;
    static constexpr int ClientHeight = 7200;

    frmCurrencyBoard(const SaleController& sale, const AppSettings& settings, QWidget* operatorWindow);

    CurrencyView* view() const { return m_view; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ForwardKey(QKeyEvent* event);

    QWidget* m_operatorWindow;
    CurrencyView* m_view;
};
