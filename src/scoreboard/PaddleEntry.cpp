#include "scoreboard/PaddleEntry.h"

#include "records/TextLimits.h"
#include "scoreboard/modResize.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

PaddleEntry::PaddleEntry(QWidget* board) : QFrame(board)
{
    setObjectName(QStringLiteral("paddleEntry"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    m_label = new QLabel(tr("Paddle:"), this);
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("txtPaddle"));
    m_edit->setMaxLength(static_cast<int>(TextLimits::MaxBuyer));
    // Digits and letters, as paddles are numbered.
    m_edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[A-Za-z0-9]{0,12}")), m_edit));
    m_label->setBuddy(m_edit);
    m_edit->setAccessibleName(tr("Paddle"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(m_label);
    layout->addWidget(m_edit, 1);
    m_edit->installEventFilter(this);
    // Twips, scaled with the rest of the board: right of the lot digits, above the amount.
    modResize::SetDesignGeometry(this, 7080, 1380, 2340, 540);
    modResize::SetFontSize(this, 11);
    hide();
}

void PaddleEntry::Open(QWidget* returnFocus)
{
    m_returnFocus = returnFocus;
    m_edit->clear();
    show();
    raise();
    m_edit->setFocus(Qt::OtherFocusReason);
}

void PaddleEntry::Close()
{
    hide();
    if (m_returnFocus)
        m_returnFocus->setFocus(Qt::OtherFocusReason);
    m_returnFocus = nullptr;
}

bool PaddleEntry::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            const QString paddle = m_edit->text();
            Close();
            if (paddle.isEmpty())
                emit Skipped();
            else
                emit Entered(paddle);
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            Close();
            emit Skipped();
            return true;
        }
        // The board's own keys wait until the paddle is in or skipped.
        if (key->key() >= Qt::Key_F1 && key->key() <= Qt::Key_F35)
            return true;
    }
    return QFrame::eventFilter(watched, event);
}
