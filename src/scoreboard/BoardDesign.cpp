#include "scoreboard/BoardDesign.h"

#include "BuildInfo.h"
#include "scoreboard/AmountMarks.h"
#include "scoreboard/CaptionLabel.h"
#include "scoreboard/NoteBox.h"
#include "scoreboard/NumberLED.h"
#include "scoreboard/PictureBox.h"
#include "scoreboard/modResize.h"

#include <QCoreApplication>
#include <QWidget>

#include <cmath>

namespace BoardDesign {

namespace {

constexpr Qt::Alignment LeftTop = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment CentreTop = Qt::AlignHCenter | Qt::AlignTop;
constexpr Qt::Alignment LeftMiddle = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment RightBottom = Qt::AlignRight | Qt::AlignBottom;

// The captions are the scoreboard's texts, translated as such.
constexpr const char* LotCaption = QT_TRANSLATE_NOOP("frmScoreboard", "Lot #:");

// clang-format off

// The operator's window, as the designer laid it out. Later rows sit above earlier ones.
constexpr ControlDesign ScoreboardControls[] = {
    // name                   kind             container        left   top   width  height  font    align      caption
    {"lblLotNum",           Kind::Label,      nullptr,          90,   180,  2985,  1290,  54.75, LeftTop,   LotCaption},
    {"nledLotNum",          Kind::NumberLED,  nullptr,        3240,   120,  3795,  1530,   0,    {},        nullptr},
    {"lblCreatedBy",        Kind::Label,      nullptr,        3420,  1740,  2655,   270,  11.25, CentreTop, nullptr},
    {"lblAmountDollar",     Kind::Label,      nullptr,         120,  2280,   900,  1860,  80.25, CentreTop, "$"},
    {"picAmountBack",       Kind::PictureBox, nullptr,        1080,  2100,  8235,  2295,   0,    {},        nullptr},
    {"nledAmountThousands", Kind::NumberLED,  "picAmountBack",   0,    60,  3765,  2085,   0,    {},        nullptr},
    {"lblAmountComma",      Kind::Label,      "picAmountBack",3780,   840,   510,  1455,  60,    CentreTop, ","},
    {"nledAmountOnes",      Kind::NumberLED,  "picAmountBack",4320,    60,  3765,  2085,   0,    {},        nullptr},
    {"txtNote",             Kind::TextBox,    nullptr,          60,  4680,  9375,  2055,  39.75, LeftTop,   nullptr},
};

constexpr LedDesign ScoreboardLeds[] = {
    // name                 digits  Size  PaddingH  PaddingV  PaddingI  ZeroFill
    {"nledLotNum",            4,     90,   100,      100,      200,     false},
    {"nledAmountThousands",   3,    120,   100,      150,      300,     false},
    {"nledAmountOnes",        3,    120,   100,      150,      300,     true},
};

// The room's screen, one composition per shape of screen, each designed at 1080 lines (16200
// twips) and scaled from there. Broadcast proportions: a safe margin of 600 by 480 twips, the
// lot on a band of 3000 at the top, the amount as wide as the screen allows beneath it, and the
// note across the full width at the bottom. The amount is the scoreboard's panel scaled whole
// (the digits keep their proportions), its sign in a box wide enough for a three-letter sign.
// Free room is kept for a lot picture beside the lot number and for a strip of the bid in other
// currencies under the amount; on 21:9 both go into a column beside the amount instead. The
// maker's address runs small in the bottom corner.

// 16:9 (1920 x 1080): the amount at 2.78 times the scoreboard's panel.
constexpr ControlDesign Wide169Controls[] = {
    {"lblLotNum",           Kind::Label,      nullptr,         600,   480,  6900,  3000, 127,    LeftMiddle,  LotCaption},
    {"nledLotNum",          Kind::NumberLED,  nullptr,        7650,   545,     0,     0,   0,    {},          nullptr},
    {"lblCreatedBy",        Kind::Label,      nullptr,       22200, 15750,  6000,   420,  12,    RightBottom, nullptr},
    {"lblAmountDollar",     Kind::Label,      nullptr,         600,  3720,  4448,  6380, 223,    CentreTop,   "$"},
    {"picAmountBack",       Kind::PictureBox, nullptr,        5270,  3720, 22893,  6380,   0,    {},          nullptr},
    {"nledAmountThousands", Kind::NumberLED,  "picAmountBack",   0,   167,     0,     0,   0,    {},          nullptr},
    {"lblAmountComma",      Kind::Label,      "picAmountBack",10508,  2335,  1418,  4045, 166.75, CentreTop,  ","},
    {"nledAmountOnes",      Kind::NumberLED,  "picAmountBack",12010,   167,     0,     0,   0,    {},          nullptr},
    {"txtNote",             Kind::TextBox,    nullptr,         600, 11780, 27600,  3940,  84,    LeftTop,     nullptr},
};
constexpr LedDesign Wide169Leds[] = {
    {"nledLotNum",            4,    180,    100,      100,      400,     false},
    {"nledAmountThousands",   3,    333.6,  278,      417,      834,     false},
    {"nledAmountOnes",        3,    333.6,  278,      417,      834,     true},
};

// 16:10 (1920 x 1200, 1280 x 800): the amount at 2.49 times, the note taller.
constexpr ControlDesign Wide1610Controls[] = {
    {"lblLotNum",           Kind::Label,      nullptr,         600,   480,  6900,  3000, 127,    LeftMiddle,  LotCaption},
    {"nledLotNum",          Kind::NumberLED,  nullptr,        7650,   545,     0,     0,   0,    {},          nullptr},
    {"lblCreatedBy",        Kind::Label,      nullptr,       19320, 15750,  6000,   420,  12,    RightBottom, nullptr},
    {"lblAmountDollar",     Kind::Label,      nullptr,         600,  3720,  3984,  5715, 199.75, CentreTop,   "$"},
    {"picAmountBack",       Kind::PictureBox, nullptr,        4783,  3720, 20505,  5715,   0,    {},          nullptr},
    {"nledAmountThousands", Kind::NumberLED,  "picAmountBack",   0,   149,     0,     0,   0,    {},          nullptr},
    {"lblAmountComma",      Kind::Label,      "picAmountBack", 9412,  2092,  1270,  3623, 149.5, CentreTop,   ","},
    {"nledAmountOnes",      Kind::NumberLED,  "picAmountBack",10757,   149,     0,     0,   0,    {},          nullptr},
    {"txtNote",             Kind::TextBox,    nullptr,         600, 11115, 24720,  4605,  84,    LeftTop,     nullptr},
};
constexpr LedDesign Wide1610Leds[] = {
    {"nledLotNum",            4,    180,    100,      100,      400,     false},
    {"nledAmountThousands",   3,    298.8,  249,      373.5,    747,     false},
    {"nledAmountOnes",        3,    298.8,  249,      373.5,    747,     true},
};

// 4:3 (1024 x 768, 1400 x 1050): the amount at 2.05 times, the note taller still.
constexpr ControlDesign Standard43Controls[] = {
    {"lblLotNum",           Kind::Label,      nullptr,         600,   480,  6900,  3000, 127,    LeftMiddle,  LotCaption},
    {"nledLotNum",          Kind::NumberLED,  nullptr,        7650,   545,     0,     0,   0,    {},          nullptr},
    {"lblCreatedBy",        Kind::Label,      nullptr,       15000, 15750,  6000,   420,  12,    RightBottom, nullptr},
    {"lblAmountDollar",     Kind::Label,      nullptr,         600,  3720,  3280,  4705, 164.5,  CentreTop,   "$"},
    {"picAmountBack",       Kind::PictureBox, nullptr,        4044,  3720, 16882,  4705,   0,    {},          nullptr},
    {"nledAmountThousands", Kind::NumberLED,  "picAmountBack",   0,   123,     0,     0,   0,    {},          nullptr},
    {"lblAmountComma",      Kind::Label,      "picAmountBack", 7749,  1722,  1046,  2983, 123,   CentreTop,   ","},
    {"nledAmountOnes",      Kind::NumberLED,  "picAmountBack", 8856,   123,     0,     0,   0,    {},          nullptr},
    {"txtNote",             Kind::TextBox,    nullptr,         600, 10105, 20400,  5615,  84,    LeftTop,     nullptr},
};
constexpr LedDesign Standard43Leds[] = {
    {"nledLotNum",            4,    180,    100,      100,      400,     false},
    {"nledAmountThousands",   3,    246,    205,      307.5,    615,     false},
    {"nledAmountOnes",        3,    246,    205,      307.5,    615,     true},
};

// 21:9 (2560 x 1080): the amount at 2.9 times, the picture and the currency strip in a column
// beside it, the note across the whole width.
constexpr ControlDesign Ultrawide219Controls[] = {
    {"lblLotNum",           Kind::Label,      nullptr,         600,   480,  6900,  3000, 127,    LeftMiddle,  LotCaption},
    {"nledLotNum",          Kind::NumberLED,  nullptr,        7650,   545,     0,     0,   0,    {},          nullptr},
    {"lblCreatedBy",        Kind::Label,      nullptr,       31800, 15750,  6000,   420,  12,    RightBottom, nullptr},
    {"lblAmountDollar",     Kind::Label,      nullptr,         600,  3720,  4640,  6656, 232.75, CentreTop,   "$"},
    {"picAmountBack",       Kind::PictureBox, nullptr,        5472,  3720, 23882,  6656,   0,    {},          nullptr},
    {"nledAmountThousands", Kind::NumberLED,  "picAmountBack",   0,   174,     0,     0,   0,    {},          nullptr},
    {"lblAmountComma",      Kind::Label,      "picAmountBack",10962,  2436,  1479,  4220, 174,   CentreTop,   ","},
    {"nledAmountOnes",      Kind::NumberLED,  "picAmountBack",12528,   174,     0,     0,   0,    {},          nullptr},
    {"txtNote",             Kind::TextBox,    nullptr,         600, 10616, 37200,  5104, 100,    LeftTop,     nullptr},
};
constexpr LedDesign Ultrawide219Leds[] = {
    {"nledLotNum",            4,    180,    100,      100,      400,     false},
    {"nledAmountThousands",   3,    348,    290,      435,      870,     false},
    {"nledAmountOnes",        3,    348,    290,      435,      870,     true},
};
// clang-format on

const Composition ScoreboardComposition{"scoreboard", 9480, 6795, ScoreboardControls, ScoreboardLeds, {}, {}};

// clang-format off
const Composition Audiences[] = {
    {"16:9",  28800, 16200, Wide169Controls,      Wide169Leds,      {600, 10340, 27600, 1200}, {24200, 480, 4000, 3000}},
    {"16:10", 25920, 16200, Wide1610Controls,     Wide1610Leds,     {600,  9675, 24720, 1200}, {21320, 480, 4000, 3000}},
    {"4:3",   21600, 16200, Standard43Controls,   Standard43Leds,   {600,  8665, 20400, 1200}, {17000, 480, 4000, 3000}},
    {"21:9",  38400, 16200, Ultrawide219Controls, Ultrawide219Leds, {29954, 6604, 7846, 3772}, {29954, 480, 7846, 5884}},
};
// clang-format on

const LedDesign* LedDesignFor(const Composition& composition, const char* name)
{
    for (const LedDesign& led : composition.leds) {
        if (qstrcmp(led.name, name) == 0)
            return &led;
    }
    return nullptr;
}

QWidget* NewControl(const ControlDesign& design, QWidget* container)
{
    const QLatin1String name(design.name);
    switch (design.kind) {
    case Kind::Label: {
        // The sign and the separator line up with the digits; every caption is drawn once per size.
        CaptionLabel* label = name == QLatin1String("lblAmountDollar")  ? new CurrencySign(container)
                              : name == QLatin1String("lblAmountComma") ? new GroupSeparator(container)
                                                                        : new CaptionLabel(container);
        if (design.caption)
            label->setText(QCoreApplication::translate("frmScoreboard", design.caption));
        label->setAttribute(Qt::WA_TranslucentBackground);
        return label;
    }
    case Kind::NumberLED:
        return new NumberLED(3, container);
    case Kind::PictureBox:
        return new PictureBox(container);
    case Kind::TextBox: {
        auto* text = new NoteBox(container);
        text->setFrameShape(QFrame::NoFrame);
        text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        text->setTabChangesFocus(true);
        return text;
    }
    }
    Q_UNREACHABLE();
}

} // namespace

const Composition& Scoreboard()
{
    return ScoreboardComposition;
}

std::span<const Composition> AudienceCompositions()
{
    return Audiences;
}

const Composition& AudienceFor(double aspect)
{
    // Nearest in proportion: the ratio of the two shapes, whichever is wider.
    const Composition* best = &Audiences[0];
    double bestDistance = 0;
    for (const Composition& composition : Audiences) {
        const double distance = std::abs(std::log(aspect / composition.aspect()));
        if (best == &composition || distance < bestDistance) {
            best = &composition;
            bestDistance = distance;
        }
    }
    return *best;
}

void Place(QWidget* window, const Composition& composition)
{
    window->setProperty("ScaleWidth", composition.clientWidth);
    window->setProperty("ScaleHeight", composition.clientHeight);
    for (const ControlDesign& design : composition.controls) {
        auto* control = window->findChild<QWidget*>(QLatin1String(design.name));
        Q_ASSERT(control);
        if (auto* label = qobject_cast<QLabel*>(control))
            label->setAlignment(design.alignment);
        if (design.fontSize > 0)
            modResize::SetFontSize(control, design.fontSize);
        if (const LedDesign* led = LedDesignFor(composition, design.name)) {
            auto* display = static_cast<NumberLED*>(control);
            display->setDigits(led->digits);
            display->setSize(led->size);
            display->setPaddingH(led->paddingH);
            display->setPaddingV(led->paddingV);
            display->setPaddingI(led->paddingI);
        }
        // Digit displays take their extent from Size and the paddings, not from a box.
        if (design.kind == Kind::NumberLED)
            modResize::SetDesignGeometry(control, design.left, design.top);
        else
            modResize::SetDesignGeometry(control, design.left, design.top, design.width, design.height);
    }
}

BoardView Build(QWidget* window, const Composition& composition)
{
    for (const ControlDesign& design : composition.controls) {
        QWidget* container = design.container ? window->findChild<QWidget*>(QLatin1String(design.container)) : window;
        Q_ASSERT(container);
        QWidget* control = NewControl(design, container);
        control->setObjectName(QLatin1String(design.name));
        if (design.fontSize > 0) {
            QFont font(QStringLiteral("Arial"));
            font.setBold(true);
            control->setFont(font);
        }
        if (const LedDesign* led = LedDesignFor(composition, design.name))
            static_cast<NumberLED*>(control)->setZeroFill(led->zeroFill);
    }
    Place(window, composition);

    BoardView board;
    board.window = window;
    board.lblLotNum = window->findChild<QLabel*>(QStringLiteral("lblLotNum"));
    board.nledLotNum = window->findChild<NumberLED*>(QStringLiteral("nledLotNum"));
    board.lblCreatedBy = window->findChild<QLabel*>(QStringLiteral("lblCreatedBy"));
    board.lblAmountDollar = window->findChild<CurrencySign*>(QStringLiteral("lblAmountDollar"));
    board.picAmountBack = window->findChild<PictureBox*>(QStringLiteral("picAmountBack"));
    board.nledAmountThousands = window->findChild<NumberLED*>(QStringLiteral("nledAmountThousands"));
    board.lblAmountComma = window->findChild<GroupSeparator*>(QStringLiteral("lblAmountComma"));
    board.nledAmountOnes = window->findChild<NumberLED*>(QStringLiteral("nledAmountOnes"));
    board.txtNote = window->findChild<NoteBox*>(QStringLiteral("txtNote"));
    board.stamp = new ResultStamp(board.txtNote);

    board.lblCreatedBy->setText(QLatin1String(BuildInfo::MakerUrl));
    // The sign stands on the digits' baseline, the separator's dots on their grid.
    board.lblAmountDollar->setDigits(board.nledAmountThousands);
    board.lblAmountComma->setDigits(board.nledAmountOnes);
    // What a screen reader calls the controls that have no caption of their own.
    board.nledLotNum->setAccessibleName(QCoreApplication::translate("frmScoreboard", "Lot number"));
    board.picAmountBack->setAccessibleName(QCoreApplication::translate("frmScoreboard", "Current bid"));
    board.nledAmountThousands->setAccessibleName(QCoreApplication::translate("frmScoreboard", "Bid thousands"));
    board.nledAmountOnes->setAccessibleName(QCoreApplication::translate("frmScoreboard", "Bid ones"));
    board.txtNote->setAccessibleName(QCoreApplication::translate("frmScoreboard", "Lot note"));
    return board;
}

} // namespace BoardDesign
