#pragma once

#include "sale/AuctionState.h"
#include "scoreboard/NoteBox.h"
#include "scoreboard/ResultStamp.h"

#include <QString>

class AppSettings;
class CurrencySign;
class GroupSeparator;
struct MoneyFormat;
class NumberLED;
class PictureBox;
class QLabel;
class QWidget;

// One view of the board: the controls that a design table builds into a window
// (BoardDesign::Build), and the steps that put the sale on them. The scoreboard and the
// audience screen each hold one, laid out by compositions of their own, and are fed from the
// same state in the same pass, so the room never sees anything the operator does not.
struct BoardView
{
    QWidget* window = nullptr;
    QLabel* lblLotNum = nullptr;
    NumberLED* nledLotNum = nullptr;
    QLabel* lblCreatedBy = nullptr;
    CurrencySign* lblAmountDollar = nullptr;
    PictureBox* picAmountBack = nullptr;
    NumberLED* nledAmountThousands = nullptr;
    GroupSeparator* lblAmountComma = nullptr;
    NumberLED* nledAmountOnes = nullptr;
    NoteBox* txtNote = nullptr;
    // Over the note: the result of the lot on show.
    ResultStamp* stamp = nullptr;

    // The most of a note that the board lays out.
    static constexpr int MaxShownNote = 1000;

    // The amount as a screen reader says it, with the sale's sign and separator: "$950", "$12,050".
    static QString SpokenAmount(const AuctionState::AmountView& view, const MoneyFormat& money);

    void ShowLotNumber(int caption) const;
    void ShowAmount(const AuctionState::AmountView& view) const;
    void ShowNote(const QString& note) const;
    // `detail`: the text drawn with the word, already formatted ("3,100"); empty: the word alone.
    void ShowStamp(ResultStamp::Outcome outcome, const QString& detail = {}) const
    {
        stamp->setOutcome(outcome, detail);
    }
    // The five colours, and the sale's currency sign and separator.
    void ApplyColors(const AppSettings& settings) const;
    void ApplyMoney(const MoneyFormat& money) const;
    void ApplyLEDType(int ledType) const;

private:
    // The sign and separator on show, and the amount the displays show.
    MoneyFormat ShownMoney() const;
    AuctionState::AmountView ShownAmount() const;
};
