#include "scoreboard/SavingSign.h"

#include "sale/SaleJournal.h"
#include "scoreboard/modResize.h"

#include <QDir>

SavingSign::SavingSign(QWidget* board) : QLabel(board)
{
    setObjectName(QStringLiteral("savingSign"));
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral("QLabel { background: #b00000; color: white; font-weight: bold; }"));
    // Twips, scaled with the rest of the board.
    modResize::SetDesignGeometry(this, 7320, 120, 2040, 330);
    modResize::SetFontSize(this, 9);
    hide();
}

void SavingSign::setSale(SaleJournal* sale)
{
    if (m_sale)
        disconnect(m_sale, nullptr, this, nullptr);
    m_sale = sale;
    if (m_sale)
        connect(m_sale, &SaleJournal::SavingChanged, this, &SavingSign::Update);
    Update();
}

void SavingSign::Update()
{
    if (m_sale && !m_sale->problem().isEmpty()) {
        setText(tr("not saved"));
        setToolTip(tr("Results are not being saved: %1").arg(m_sale->problem()));
        show();
        raise();
    } else if (m_sale && !m_sale->replacedJournal().isEmpty()) {
        setText(tr("new journal"));
        setToolTip(tr("The journal \"%1\" was replaced or removed; the sale goes on in \"%2\".")
                       .arg(QDir::toNativeSeparators(m_sale->replacedJournal()),
                            QDir::toNativeSeparators(m_sale->filePath())));
        show();
        raise();
    } else {
        hide();
    }
}
