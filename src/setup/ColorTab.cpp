#include "setup/ColorTab.h"

#include "common/DesignLayout.h"
#include "common/Frame.h"
#include "common/Prompts.h"
#include "records/AppSettings.h"
#include "scoreboard/LedColors.h"
#include "scoreboard/PictureBox.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTabWidget>

namespace {

// A swatch shows a colour; it takes no keys, so Enter and Esc stay with the dialog.
PictureBox* newSwatch(QGroupBox* frame)
{
    auto* swatch = new PictureBox(frame);
    swatch->setFocusPolicy(Qt::NoFocus);
    // Sunken, so that a swatch in the dialog's own colours still shows as one.
    swatch->setSunkenBorder(true);
    // Screen readers name the swatch after its frame: "Back Color".
    swatch->setAccessibleName(frame->title().remove(QLatin1Char(':')));
    return swatch;
}

// The button that changes a frame's colour; its caption says "Change" like its neighbours,
// so a screen reader is told which colour it changes: "Change Back Color".
QPushButton* newChangeButton(QGroupBox* frame)
{
    auto* button = new QPushButton(QCoreApplication::translate("ColorTab", "Change"), frame);
    button->setAccessibleName(
        QCoreApplication::translate("ColorTab", "Change %1").arg(frame->title().remove(QLatin1Char(':'))));
    return button;
}

// The swatch takes the colour; a screen reader hears it with the swatch and on its Change
// button: "red 255, green 255, blue 0".
void ShowSwatch(PictureBox* swatch, qint32 color)
{
    swatch->setBackColor(color);
    const QColor shown = LedColors::ToQColor(swatch->BackColor());
    const QString said = QCoreApplication::translate("ColorTab", "red %1, green %2, blue %3")
                             .arg(shown.red())
                             .arg(shown.green())
                             .arg(shown.blue());
    swatch->setAccessibleDescription(said);
    for (QPushButton* button : swatch->parentWidget()->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
        button->setAccessibleDescription(said);
}

} // namespace

ColorTab::ColorTab(QTabWidget* tabs) : OptionsTabPage(tabs)
{
    QWidget* tab = face();
    frmBackColor = new Frame(tr("Back Color:"), tab);
    picBackC = newSwatch(frmBackColor);
    cmdBackC = newChangeButton(frmBackColor);
    fraLedBack = new Frame(tr("LED Background:"), tab);
    picLEDB = newSwatch(fraLedBack);
    cmdLEDB = newChangeButton(fraLedBack);
    frmTextColor = new Frame(tr("Text Color:"), tab);
    picTextC = newSwatch(frmTextColor);
    cmdTextC = newChangeButton(frmTextColor);
    frmLEDLotColor = new Frame(tr("LED Lot Color:"), tab);
    picLEDLotC = newSwatch(frmLEDLotColor);
    cmdLEDLotC = newChangeButton(frmLEDLotColor);
    frmLEDAmountColor = new Frame(tr("LED Amount Color:"), tab);
    picLEDAmountC = newSwatch(frmLEDAmountColor);
    cmdLEDAmountC = newChangeButton(frmLEDAmountColor);
    frmSoldColor = new Frame(tr("Sold Color:"), tab);
    picSoldC = newSwatch(frmSoldColor);
    cmdSoldC = newChangeButton(frmSoldColor);
    frmPassedColor = new Frame(tr("Passed Color:"), tab);
    picPassedC = newSwatch(frmPassedColor);
    cmdPassedC = newChangeButton(frmPassedColor);
    cmdResetColors = new QPushButton(tr("Reset Colors"), tab);

    // clang-format off
    DesignLayout::Place({
        {frmBackColor,      u"frmBackColor",       420, 1020, 1695, 735},
        {picBackC,          u"picBackC",           120,  240,  615, 375},
        {cmdBackC,          u"cmdBackC",           840,  240,  735, 375},
        {fraLedBack,        u"fraLedBack",        2220, 1020, 1695, 735},
        {picLEDB,           u"picLEDB",            120,  240,  615, 375},
        {cmdLEDB,           u"cmdLEDB",            840,  240,  735, 375},
        {frmTextColor,      u"frmTextColor",      4020, 1020, 1695, 735},
        {picTextC,          u"picTextC",           120,  240,  615, 375},
        {cmdTextC,          u"cmdTextC",           840,  240,  735, 375},
        {frmLEDLotColor,    u"frmLEDLotColor",     420, 2220, 1695, 735},
        {picLEDLotC,        u"picLEDLotC",         120,  240,  615, 375},
        {cmdLEDLotC,        u"cmdLEDLotC",         840,  240,  735, 375},
        {frmLEDAmountColor, u"frmLEDAmountColor", 2220, 2220, 1695, 735},
        {picLEDAmountC,     u"picLEDAmountC",      120,  240,  615, 375},
        {cmdLEDAmountC,     u"cmdLEDAmountC",      840,  240,  735, 375},
        {frmSoldColor,      u"frmSoldColor",       420, 3420, 1695, 735},
        {picSoldC,          u"picSoldC",           120,  240,  615, 375},
        {cmdSoldC,          u"cmdSoldC",           840,  240,  735, 375},
        {frmPassedColor,    u"frmPassedColor",    2220, 3420, 1695, 735},
        {picPassedC,        u"picPassedC",         120,  240,  615, 375},
        {cmdPassedC,        u"cmdPassedC",         840,  240,  735, 375},
        {cmdResetColors,    u"cmdResetColors",    4620, 4680, 1215, 375},
    }, tabs);
    // clang-format on

    connect(cmdBackC, &QPushButton::clicked, this, &ColorTab::cmdBackC_Click);
    connect(cmdLEDB, &QPushButton::clicked, this, &ColorTab::cmdLEDB_Click);
    connect(cmdTextC, &QPushButton::clicked, this, &ColorTab::cmdTextC_Click);
    connect(cmdLEDLotC, &QPushButton::clicked, this, &ColorTab::cmdLEDLotC_Click);
    connect(cmdLEDAmountC, &QPushButton::clicked, this, &ColorTab::cmdLEDAmountC_Click);
    connect(cmdSoldC, &QPushButton::clicked, this, &ColorTab::cmdSoldC_Click);
    connect(cmdPassedC, &QPushButton::clicked, this, &ColorTab::cmdPassedC_Click);
    connect(cmdResetColors, &QPushButton::clicked, this, &ColorTab::cmdResetColors_Click);
}

void ColorTab::Load(const AppSettings& settings)
{
    ShowSwatch(picBackC, settings.FormBackColor);
    ShowSwatch(picLEDB, settings.LEDBackColor);
    ShowSwatch(picTextC, settings.TextColor);
    ShowSwatch(picLEDLotC, settings.LEDLotColor);
    ShowSwatch(picLEDAmountC, settings.LEDAmountColor);
    ShowSwatch(picSoldC, settings.ShownSoldColor());
    ShowSwatch(picPassedC, settings.ShownPassedColor());
}

void ColorTab::Commit(AppSettings& settings) const
{
    settings.FormBackColor = picBackC->BackColor();
    settings.LEDBackColor = picLEDB->BackColor();
    settings.TextColor = picTextC->BackColor();
    settings.LEDLotColor = picLEDLotC->BackColor();
    settings.LEDAmountColor = picLEDAmountC->BackColor();
    // A stamp colour left at its default is not stored: "SOLD" then keeps following the lot
    // colour.
    const int sold = picSoldC->BackColor();
    const int passed = picPassedC->BackColor();
    settings.SoldColor = sold == settings.LEDLotColor ? std::nullopt : std::optional<qint32>(sold);
    settings.PassedColor = passed == AppSettings::DefaultPassedColor ? std::nullopt : std::optional<qint32>(passed);
}

void ColorTab::PickInto(PictureBox* swatch)
{
    if (const std::optional<QColor> color =
            Prompts::PickColor(this, LedColors::ToQColor(swatch->BackColor()), swatch->accessibleName()))
        ShowSwatch(swatch, LedColors::FromQColor(*color));
}

void ColorTab::cmdBackC_Click()
{
    PickInto(picBackC);
}

void ColorTab::cmdLEDB_Click()
{
    PickInto(picLEDB);
}

void ColorTab::cmdTextC_Click()
{
    PickInto(picTextC);
}

void ColorTab::cmdLEDLotC_Click()
{
    // "SOLD" in the lot colour goes on in the lot colour.
    const bool soldFollows = picSoldC->BackColor() == picLEDLotC->BackColor();
    PickInto(picLEDLotC);
    if (soldFollows)
        ShowSwatch(picSoldC, picLEDLotC->BackColor());
}

void ColorTab::cmdLEDAmountC_Click()
{
    PickInto(picLEDAmountC);
}

void ColorTab::cmdSoldC_Click()
{
    PickInto(picSoldC);
}

void ColorTab::cmdPassedC_Click()
{
    PickInto(picPassedC);
}

void ColorTab::cmdResetColors_Click()
{
    if (!Prompts::Confirm(this, tr("Are you sure you want to reset the colors?"), Prompts::Icon::Question,
                          tr("Reset Colors")))
        return;
    ShowSwatch(picBackC, AppSettings::DefaultFormBackColor);
    ShowSwatch(picLEDB, AppSettings::DefaultLEDBackColor);
    ShowSwatch(picTextC, AppSettings::DefaultTextColor);
    ShowSwatch(picLEDLotC, AppSettings::DefaultLEDLotColor);
    ShowSwatch(picLEDAmountC, AppSettings::DefaultLEDAmountColor);
    ShowSwatch(picSoldC, AppSettings::DefaultLEDLotColor);
    ShowSwatch(picPassedC, AppSettings::DefaultPassedColor);
}
