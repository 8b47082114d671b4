#include "scoreboard/BoardAnnouncer.h"

#include "common/Announcement.h"
#include "records/AppSettings.h"
#include "scoreboard/NumberLED.h"
#include "scoreboard/PictureBox.h"

#include <QLocale>
#include <QPlainTextEdit>
#include <QTimer>

namespace {

struct CurrencyName
{
    const char16_t* sign;
    const char* name;
};

// The signs the options offer, by the name a voice says; any other sign is said as it is written.
// clang-format off
constexpr CurrencyName CurrencyNames[] = {
    {u"$",      QT_TRANSLATE_NOOP("BoardAnnouncer", "%1 dollars")},
    {u"\u20AC", QT_TRANSLATE_NOOP("BoardAnnouncer", "%1 euros")},
    {u"\u00A3", QT_TRANSLATE_NOOP("BoardAnnouncer", "%1 pounds")},
    {u"CHF",    QT_TRANSLATE_NOOP("BoardAnnouncer", "%1 francs")},
    {u"kr",     QT_TRANSLATE_NOOP("BoardAnnouncer", "%1 kroner")},
    {u"\u00A5", QT_TRANSLATE_NOOP("BoardAnnouncer", "%1 yen")},
};
// clang-format on

} // namespace

BoardAnnouncer::BoardAnnouncer(const AppSettings& settings, const BoardView& board, QObject* parent)
    : QObject(parent), m_settings(settings), m_board(board)
{
    m_announcement = new Announcement(board.window, tr("Sale"));
}

QString BoardAnnouncer::SpokenDigits(qint64 amount)
{
    // Grouped as the operator's language writes numbers, which is how the voice reads them; the
    // sale's own separator may be one the voice reads as a decimal point.
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English, QLocale::UnitedStates);
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    return locale.toString(amount);
}

QString BoardAnnouncer::SpokenMoney(qint64 amount, const QString& currency)
{
    for (const CurrencyName& known : CurrencyNames) {
        if (currency == QStringView(known.sign))
            return tr(known.name).arg(SpokenDigits(amount));
    }
    return tr("%1 %2", "an amount and a currency sign without a spoken name").arg(SpokenDigits(amount), currency);
}

void BoardAnnouncer::LotShown(int lotNumber, qint32 amount, const QString& note)
{
    m_lotNumber = lotNumber;
    m_amount = amount;
    m_note = note.simplified();
    m_outcome = ResultStamp::Outcome::None;
    m_price = 0;
    Queue(Pending::Lot);
}

void BoardAnnouncer::AmountChanged(qint32 amount)
{
    m_amount = amount;
    Queue(Pending::Amount);
}

void BoardAnnouncer::Marked(ResultStamp::Outcome outcome, qint32 price)
{
    if (outcome == m_outcome && (outcome != ResultStamp::Outcome::Sold || price == m_price))
        return;
    m_outcome = outcome;
    m_price = price;
    Queue(Pending::Mark);
}

void BoardAnnouncer::LotNumberTyped(int lotNumber)
{
    if (lotNumber == m_lotNumber)
        return;
    m_lotNumber = lotNumber;
    Queue(Pending::LotNumber);
}

void BoardAnnouncer::Queue(Pending what)
{
    // A lot step says the whole lot, whatever else changed with it in the same pass.
    if (m_pending == Pending::Lot)
        return;
    if (m_pending == Pending::Nothing)
        QTimer::singleShot(0, this, &BoardAnnouncer::Flush);
    m_pending = what;
}

QString BoardAnnouncer::MarkText() const
{
    switch (m_outcome) {
    case ResultStamp::Outcome::Sold:
        return tr("Sold, %1").arg(SpokenDigits(m_price));
    case ResultStamp::Outcome::Passed:
        return tr("Passed");
    case ResultStamp::Outcome::None:
        break;
    }
    return {};
}

QString BoardAnnouncer::LotSummary() const
{
    QStringList parts{tr("Lot %1").arg(m_lotNumber), SpokenMoney(m_amount, m_settings.Currency)};
    if (!m_note.isEmpty())
        parts << m_note;
    if (m_outcome != ResultStamp::Outcome::None)
        parts << MarkText();
    return parts.join(QStringLiteral(", "));
}

void BoardAnnouncer::Flush()
{
    const Pending what = std::exchange(m_pending, Pending::Nothing);
    // Said first: a screen reader takes events in order, and the name changes after it are ones it
    // only reads on Tab or "where am I".
    switch (what) {
    case Pending::Lot:
        Speak(LotSummary());
        break;
    case Pending::Amount:
        Speak(SpokenDigits(m_amount));
        break;
    case Pending::Mark:
        // A mark cleared from the results window takes the stamp away; the names say so.
        if (m_outcome != ResultStamp::Outcome::None)
            Speak(MarkText());
        break;
    case Pending::LotNumber:
        Speak(tr("Lot %1").arg(m_lotNumber));
        break;
    case Pending::Nothing:
        break;
    }
    UpdateNames();
}

void BoardAnnouncer::UpdateNames()
{
    // Orca reads a label's name on Tab and "where am I", and stays silent when it changes.
    const QString summary = LotSummary();
    m_board.nledLotNum->setAccessibleName(summary);
    QStringList bid{tr("Bid %1").arg(SpokenMoney(m_amount, m_settings.Currency)), tr("Lot %1").arg(m_lotNumber)};
    if (!m_note.isEmpty())
        bid << m_note;
    if (m_outcome != ResultStamp::Outcome::None)
        bid << MarkText();
    m_board.picAmountBack->setAccessibleName(bid.join(QStringLiteral(", ")));
    m_board.nledAmountThousands->setAccessibleName(
        tr("Bid thousands %1").arg(m_board.nledAmountThousands->shownText()).trimmed());
    m_board.nledAmountOnes->setAccessibleName(tr("Bid ones %1").arg(m_board.nledAmountOnes->shownText()).trimmed());
    m_board.stamp->setAccessibleName(MarkText());
}

QString BoardAnnouncer::lastAnnouncement() const
{
    return m_announcement->last();
}

void BoardAnnouncer::Speak(const QString& text)
{
    emit Announced(text);
    // Said to whoever watches the board; the room's screen and the other windows stay quiet.
    m_announcement->Say(text);
}
