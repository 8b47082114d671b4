#include "currency/frmCurrencyBoard.h"

#include "common/Twips.h"
#include "currency/CurrencyView.h"

#include <QCoreApplication>
#include <QKeyEvent>

frmCurrencyBoard::frmCurrencyBoard(const SaleController& sale, const AppSettings& settings, QWidget* operatorWindow)
    : QWidget(nullptr, Qt::Window), m_operatorWindow(operatorWindow),
      m_view(new CurrencyView(sale, settings, CurrencyView::Style::Board, this))
{
    setObjectName(QStringLiteral("frmCurrencyBoard"));
    setWindowTitle(tr("Gavelor - Currency Board"));
    // Only the scoreboard decides when the run ends.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_view);
    resize(Twips::ToPixels(ClientWidth, this), Twips::ToPixels(ClientHeight, this));
}

void frmCurrencyBoard::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_view->setGeometry(rect());
}

void frmCurrencyBoard::ForwardKey(QKeyEvent* event)
{
    if (!m_operatorWindow)
        return;
    QWidget* target = m_operatorWindow->focusWidget();
    QCoreApplication::sendEvent(target ? target : m_operatorWindow, event);
}

void frmCurrencyBoard::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F11 && event->modifiers() == Qt::NoModifier) {
        setWindowState(windowState() ^ Qt::WindowFullScreen);
        return;
    }
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (isFullScreen())
            setWindowState(windowState() & ~Qt::WindowFullScreen);
        else
            close();
        return;
    }
    ForwardKey(event);
}

void frmCurrencyBoard::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F11 || event->key() == Qt::Key_Escape)
        return;
    ForwardKey(event);
}
