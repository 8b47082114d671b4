#include "sale/PendingMarks.h"

#include "common/Prompts.h"
#include "sale/SaleJournal.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QWidget>

bool PendingMarks::MayDrop(QWidget* parent, SaleJournal& sale, Purpose purpose)
{
    if (sale.SaveNow())
        return true;
    const QString where = sale.filePath().isEmpty() ? sale.directory() : sale.filePath();
    const QString lost =
        QCoreApplication::translate("PendingMarks", "%1 result(s) of this sale are not on the disk: they would have "
                                                    "gone to \"%2\", which refuses them (%3).")
            .arg(sale.pendingMarks())
            .arg(QDir::toNativeSeparators(where), sale.problem());
    QString question;
    switch (purpose) {
    case Purpose::NewSale:
        question = QCoreApplication::translate("PendingMarks", "End this sale and drop them?");
        break;
    case Purpose::OpenEarlier:
        question = QCoreApplication::translate("PendingMarks", "Open the other sale and drop them?");
        break;
    case Purpose::Quit:
        question = QCoreApplication::translate("PendingMarks", "Quit Gavelor and drop them?");
        break;
    }
    return Prompts::Confirm(parent, lost + QStringLiteral("\n\n") + question, Prompts::Icon::Warning);
}

PendingMarks::CloseGuard::CloseGuard(SaleJournal& sale, QWidget* window) : QObject(window), m_sale(sale)
{
    window->installEventFilter(this);
}

bool PendingMarks::CloseGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close && !MayDrop(qobject_cast<QWidget*>(watched), m_sale, Purpose::Quit)) {
        event->ignore();
        return true;
    }
    return false;
}
