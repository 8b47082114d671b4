#pragma once

#include "scoreboard/BoardDesign.h"
#include "scoreboard/BoardView.h"
#include "scoreboard/modResize.h"

#include <QPointer>
#include <QScreen>
#include <QWidget>

// The board as the room sees it: frameless and full screen on a screen of its own. Its
// composition is its own, made for projectors and wide screens (BoardDesign): the one nearest
// the screen's shape is laid out and scaled by the proportional layout. It is a view only: it
// never takes the focus, clicks on it do nothing, the pointer is hidden over it, and any key
// that still reaches it goes on to the operator's window.
class AppSettings;
class CurrencyView;
class SaleController;

class frmAudience : public QWidget
{
    Q_OBJECT

public:
    explicit frmAudience(QWidget* operatorWindow);

    const BoardView& board() const { return m_board; }
    // The composition laid out now, chosen by the window's shape.
    const BoardDesign::Composition& composition() const { return *m_composition; }
    // The room kept free for a lot picture and for a strip of the bid in other currencies, in
    // the window's pixels as it is now scaled; empty where the composition keeps none.
    QRect lotPictureArea() const { return ToPixels(m_composition->lotPicture); }
    QRect currencyStripArea() const { return ToPixels(m_composition->currencyStrip); }
    // The bid in other currencies, in the room kept for it, whenever the currency board is on.
    void ShowCurrencies(const SaleController& sale, const AppSettings& settings);
    // Null until ShowCurrencies.
    CurrencyView* currencyStrip() const { return m_currencyStrip; }
    // The screen it was last shown on; null once that screen is gone.
    QScreen* audienceScreen() const { return m_screen; }

    // Shows the board full screen on `screen`. When that screen goes, the window closes
    // rather than follow the platform onto another screen.
    void ShowOn(QScreen* screen);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void ScreenRemoved(QScreen* screen);
    void ScreenChanged(QScreen* screen);
    void ForwardKey(QKeyEvent* event);
    // Lays out the composition made for the window's present shape, if another.
    void ChooseComposition();
    QRect ToPixels(const QRect& twips) const;
    void PlaceCurrencyStrip();

    QWidget* m_operatorWindow;
    const BoardDesign::Composition* m_composition;
    BoardView m_board;
    modResize m_layout;
    QPointer<QScreen> m_screen;
    CurrencyView* m_currencyStrip = nullptr;
};
