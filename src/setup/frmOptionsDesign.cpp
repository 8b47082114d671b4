#include "setup/frmOptionsDesign.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTabWidget>

namespace {

// A page of the dialog is a property page, not a layout filler: a screen reader names the page
// when the focus enters it, as on Ctrl+Tab.
QAccessibleInterface* CreatePageInterface(const QString& className, QObject* object)
{
    if (className != QLatin1String("OptionsTabPage") || !object->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::PropertyPage);
}

} // namespace

OptionsTabPage::OptionsTabPage(QTabWidget* tabs) : QWidget(tabs), m_tabs(tabs), m_face(new QWidget(this))
{
    static const bool installed = [] {
        QAccessible::installFactory(CreatePageInterface);
        return true;
    }();
    Q_UNUSED(installed);
    alignFace();
}

void OptionsTabPage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    alignFace();
}

void OptionsTabPage::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    alignFace();
}

void OptionsTabPage::alignFace()
{
    // Until the tab control has laid out its pages the offset is that of the bare page.
    const QPoint offset = parentWidget() ? mapTo(m_tabs, QPoint(0, 0)) : QPoint(0, 0);
    m_face->setGeometry(QRect(-offset, m_tabs->size()));
}
