#include "scoreboard/BoardView.h"

#include "records/AppSettings.h"
#include "scoreboard/LedColors.h"
#include "scoreboard/NumberLED.h"
#include "scoreboard/PictureBox.h"
#include "scoreboard/modLEDType.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPalette>
#include <QPlainTextEdit>

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

QString BoardView::SpokenAmount(const AuctionState::AmountView& view)
{
    if (!view.separatorVisible)
        return QStringLiteral("$%1").arg(view.onesCaption);
    return QStringLiteral("$%1,%2").arg(view.thousandsCaption).arg(view.onesCaption, 3, 10, QLatin1Char('0'));
}

void BoardView::ShowLotNumber(int caption) const
{
    nledLotNum->setCaption(caption);
    nledLotNum->setSpokenText(QCoreApplication::translate("BoardView", "Lot #: %1").arg(caption), caption);
}

void BoardView::ShowAmount(const AuctionState::AmountView& view) const
{
    nledAmountThousands->setCaption(view.thousandsCaption);
    lblAmountComma->setVisible(view.separatorVisible);
    nledAmountOnes->setZeroFill(view.zeroFill);
    nledAmountOnes->setCaption(view.onesCaption);
    const int amount = view.separatorVisible ? view.thousandsCaption * 1000 + view.onesCaption : view.onesCaption;
    picAmountBack->setSpokenText(SpokenAmount(view), amount);
}

void BoardView::ShowNote(const QString& note) const
{
    // The lot editor admits 45 characters, but a hand-made settings file may hold a note of
    // any length; laying out one long unbroken word costs time that grows with its square.
    // The box shows a few lines, so what lies far past them is left out.
    txtNote->setPlainText(note.size() > MaxShownNote ? note.left(MaxShownNote) : note);
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
    stamp->setColors(settings.LEDLotColor, settings.FormBackColor);
}

void BoardView::ApplyLEDType(int ledType) const
{
    ::ApplyLEDType(window, ledType);
}
