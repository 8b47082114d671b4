#include "scoreboard/BoardView.h"

#include "records/AppSettings.h"
#include "records/MoneyFormat.h"
#include "scoreboard/AmountMarks.h"
#include "scoreboard/LedColors.h"
#include "scoreboard/NumberLED.h"
#include "scoreboard/PictureBox.h"
#include "scoreboard/modLEDType.h"

#include "scoreboard/NoteBox.h"
#include <QCoreApplication>
#include <QLabel>
#include <QPalette>

namespace {

void SetPaletteColor(QWidget* widget, QPalette::ColorRole role, int color)
{
    const QColor wanted = LedColors::ToQColor(color);
    QPalette palette = widget->palette();
    if (palette.color(role) == wanted && palette.isBrushSet(QPalette::Active, role))
        return;
    palette.setColor(role, wanted);
    widget->setPalette(palette);
}

} // namespace

QString BoardView::SpokenAmount(const AuctionState::AmountView& view, const MoneyFormat& money)
{
    if (!view.separatorVisible)
        return money.Text(view.onesCaption);
    return money.Text(qint64(view.thousandsCaption) * 1000 + view.onesCaption);
}

MoneyFormat BoardView::ShownMoney() const
{
    return {lblAmountDollar->text(), lblAmountComma->text()};
}

AuctionState::AmountView BoardView::ShownAmount() const
{
    AuctionState::AmountView view;
    view.thousandsCaption = nledAmountThousands->Caption();
    view.onesCaption = nledAmountOnes->Caption();
    view.separatorVisible = view.thousandsCaption >= 1;
    view.zeroFill = view.separatorVisible;
    return view;
}

void BoardView::ShowLotNumber(int caption) const
{
    nledLotNum->setCaption(caption);
    nledLotNum->setSpokenText(QCoreApplication::translate("BoardView", "Lot #: %1").arg(caption), caption);
}

void BoardView::ShowAmount(const AuctionState::AmountView& view) const
{
    nledAmountThousands->setCaption(view.thousandsCaption);
    // A sale without grouping shows no separator, not an empty gap that catches the eye.
    lblAmountComma->setVisible(view.separatorVisible && !lblAmountComma->text().isEmpty());
    nledAmountOnes->setZeroFill(view.zeroFill);
    nledAmountOnes->setCaption(view.onesCaption);
    const int amount = view.separatorVisible ? view.thousandsCaption * 1000 + view.onesCaption : view.onesCaption;
    picAmountBack->setSpokenText(SpokenAmount(view, ShownMoney()), amount);
}

void BoardView::ShowNote(const QString& note) const
{
    // The lot editor admits 45 characters, but a hand-made settings file may hold a note of
    // any length; laying out one long unbroken word costs time that grows with its square.
    // The box shows a few lines, so what lies far past them is left out.
    txtNote->ShowNote(note.size() > MaxShownNote ? note.left(MaxShownNote) : note);
}

void BoardView::ApplyColors(const AppSettings& settings) const
{
    SetPaletteColor(window, QPalette::Window, settings.FormBackColor);
    SetPaletteColor(lblLotNum, QPalette::WindowText, settings.TextColor);
    SetPaletteColor(lblAmountDollar, QPalette::WindowText, settings.TextColor);
    SetPaletteColor(txtNote, QPalette::Text, settings.TextColor);
    // The note box merges with the window.
    SetPaletteColor(txtNote, QPalette::Base, settings.FormBackColor);
    SetPaletteColor(lblCreatedBy, QPalette::WindowText, settings.TextColor);
    ApplyDigitColors(nledLotNum, settings.LEDLotColor, settings.LEDBackColor);
    ApplyDigitColors(nledAmountOnes, settings.LEDAmountColor, settings.LEDBackColor);
    ApplyDigitColors(nledAmountThousands, settings.LEDAmountColor, settings.LEDBackColor);
    // The separator belongs to the amount, and the panel joins both displays into one block.
    SetPaletteColor(lblAmountComma, QPalette::WindowText, settings.LEDAmountColor);
    picAmountBack->setBackColor(settings.LEDBackColor);
    stamp->setColors(settings.ShownSoldColor(), settings.ShownPassedColor(), settings.FormBackColor);
    ApplyMoney(settings.Money());
}

void BoardView::ApplyMoney(const MoneyFormat& money) const
{
    if (ShownMoney() == money)
        return;
    lblAmountDollar->setText(money.currency);
    lblAmountComma->setText(money.grouping);
    // The separator and what a screen reader hears follow at once, not at the next bid.
    ShowAmount(ShownAmount());
}

void BoardView::ApplyLEDType(int ledType) const
{
    ::ApplyLEDType(window, ledType);
    // The separator is no digit display, but in the dot style it is drawn in dots as well.
    lblAmountComma->setLedType(ledType);
}
