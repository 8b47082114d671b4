#pragma once

#include "scoreboard/BoardDesign.h"
#include "scoreboard/BoardView.h"
#include "scoreboard/modResize.h"

#include <QImage>
#include <QPointer>
#include <QScreen>
#include <QWidget>

class AppSettings;
class LotPictureLoader;
class SaleController;

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

    // The lot's picture in lotPictureArea(), from pictures that loader decodes: the lot that sale
    // shows, with its neighbours in the settings' lot list fetched ahead. Without a loader, or
    // while it finds no picture, the board shows none.
    void setLotPictures(LotPictureLoader* loader, const SaleController* sale, const AppSettings* settings);
    // The picture drawn now; null when none.
    const QImage& lotPicture() const { return m_picture; }

    // Shows the board full screen on `screen`. When that screen goes, the window closes
    // rather than follow the platform onto another screen.
    void ShowOn(QScreen* screen);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
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
    // Asks for the picture of the lot on show and draws what is there of it now.
    void ShowLotPicture();
    void pictures_Ready(qint32 lot);
    void SetPicture(const QImage& picture);
    void PlaceCurrencyStrip();

    QWidget* m_operatorWindow;
    const BoardDesign::Composition* m_composition;
    BoardView m_board;
    modResize m_layout;
    QPointer<QScreen> m_screen;
    LotPictureLoader* m_pictures = nullptr;
    const SaleController* m_sale = nullptr;
    const AppSettings* m_settings = nullptr;
    qint32 m_pictureLot = -1;
    QImage m_picture;
    CurrencyView* m_currencyStrip = nullptr;
};
