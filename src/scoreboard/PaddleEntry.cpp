#include "scoreboard/PaddleEntry.h"

#include "records/TextLimits.h"
#include "scoreboard/modResize.h"

#include <QKeyEvent>
#include <QLabel>
#include <QRegularExpressionValidator>

PaddleEntry::PaddleEntry(QWidget* board) : QLineEdit(board)
{
    setObjectName(QStringLiteral("paddleEntry"));
    setMaxLength(static_cast<int>(TextLimits::MaxBuyer));
    // Digits and letters, as paddles are numbered.
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[A-Za-z0-9]{0,12}")), this));
    setAccessibleName(tr("Paddle"));
    m_caption = new QLabel(tr("Paddle:"), board);
    m_caption->setObjectName(QStringLiteral("paddleCaption"));
    m_caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_caption->setBuddy(this);
    // The board's own colours are the room's; the operator's signs stand apart from them.
    m_caption->setAutoFillBackground(true);
    m_caption->setStyleSheet(QStringLiteral("QLabel { background: #ffffe0; color: black; padding-right: 4px; }"));
    // Twips, scaled with the rest of the board: right of the lot digits, above the amount.
    modResize::SetDesignGeometry(m_caption, 7080, 1380, 1020, 450);
    modResize::SetFontSize(m_caption, 11);
    modResize::SetDesignGeometry(this, 8100, 1380, 1320, 450);
    modResize::SetFontSize(this, 11);
    m_caption->hide();
    hide();
}

void PaddleEntry::Open(QWidget* returnFocus)
{
    m_returnFocus = returnFocus;
    clear();
    m_caption->show();
    m_caption->raise();
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
}

void PaddleEntry::Close()
{
    hide();
    m_caption->hide();
    if (m_returnFocus)
        m_returnFocus->setFocus(Qt::OtherFocusReason);
    m_returnFocus = nullptr;
}

void PaddleEntry::Cancel()
{
    Close();
    emit Skipped();
}

void PaddleEntry::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        const QString paddle = text();
        Close();
        if (paddle.isEmpty())
            emit Skipped();
        else
            emit Entered(paddle);
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        Cancel();
        return;
    }
    // The board's own keys wait until the paddle is in or skipped.
    if (event->key() >= Qt::Key_F1 && event->key() <= Qt::Key_F35)
        return;
    QLineEdit::keyPressEvent(event);
}
