#pragma once

#include "scoreboard/BoardView.h"
#include "scoreboard/ResultStamp.h"

#include <QObject>
#include <QPointer>
#include <QString>

class Announcement;
class AppSettings;

// What a screen reader says as the sale moves on the board, for an operator who cannot see it.
//
// Orca 43 speaks neither a label's text nor the events of an object without the focus, so each
// change is said through the board window's Announcement. The names of the lot display and the
// amount panel carry lot, bid and note as a whole, which Orca reads on Tab and on "where am I";
// Orca stays silent when a label's name changes.
//
// Changes made in one pass (a lot step shows a lot, then its bid, then its result) are spoken as
// one utterance once the pass is over; each utterance interrupts the one before, so a burst of
// raises ends on the last amount instead of a queue of stale ones.
class BoardAnnouncer : public QObject
{
    Q_OBJECT

public:
    BoardAnnouncer(const AppSettings& settings, const BoardView& board, QObject* parent = nullptr);

    // A lot came on the board (or none: lot 0, no note) with its bid.
    void LotShown(int lotNumber, qint32 amount, const QString& note);
    // The bid changed: a raise, a take-back, a typed bid.
    void AmountChanged(qint32 amount);
    // The lot on show was marked (or its mark cleared); a repeat of the same mark says nothing.
    void Marked(ResultStamp::Outcome outcome, qint32 price);
    // Lot-number typing put another number on the lot display.
    void LotNumberTyped(int lotNumber);

    // The bid as a screen reader says it in the operator's language: "3,100".
    static QString SpokenDigits(qint64 amount);
    // The whole bid with its currency: "150 dollars", "150 euros", "150 CHF" for a sign without a name.
    static QString SpokenMoney(qint64 amount, const QString& currency);

    // What the focused control was last given to say (tests read it here, Orca on the bus).
    QString lastAnnouncement() const;

signals:
    void Announced(const QString& text);

private:
    enum class Pending
    {
        Nothing,
        Lot,
        Amount,
        Mark,
        LotNumber
    };

    void Queue(Pending what);
    void Flush();
    QString LotSummary() const;
    QString MarkText() const;
    void UpdateNames();
    void Speak(const QString& text);

    const AppSettings& m_settings;
    BoardView m_board;
    int m_lotNumber = 0;
    qint32 m_amount = 0;
    QString m_note;
    ResultStamp::Outcome m_outcome = ResultStamp::Outcome::None;
    qint32 m_price = 0;
    Pending m_pending = Pending::Nothing;
    Announcement* m_announcement = nullptr;
};
