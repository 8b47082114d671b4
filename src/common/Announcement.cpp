#include "common/Announcement.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QWidget>

namespace {

// The role a hidden part of an announcement plays for assistive technology.
const char* const PartRoleProperty = "gavelorAnnouncementRole";

QAccessibleInterface* CreatePartInterface(const QString& className, QObject* object)
{
    if (className != QLatin1String("QWidget") || !object->isWidgetType())
        return nullptr;
    const QVariant role = object->property(PartRoleProperty);
    if (!role.isValid())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), static_cast<QAccessible::Role>(role.toInt()));
}

QWidget* NewHiddenPart(QWidget* parent, const char* objectName, QAccessible::Role role)
{
    static const bool installed = [] {
        QAccessible::installFactory(CreatePartInterface);
        return true;
    }();
    Q_UNUSED(installed);
    auto* part = new QWidget(parent);
    part->setObjectName(QLatin1String(objectName));
    part->setProperty(PartRoleProperty, int(role));
    part->setFocusPolicy(Qt::NoFocus);
    part->setGeometry(0, 0, 0, 0);
    part->hide();
    return part;
}

} // namespace

Announcement::Announcement(QWidget* window, const QString& statusName) : QObject(window), m_window(window)
{
    QWidget* status = NewHiddenPart(window, "barAnnouncements", QAccessible::StatusBar);
    status->setAccessibleName(statusName);
    m_notice = NewHiddenPart(status, "announcement", QAccessible::Notification);
}

void Announcement::Say(const QString& text)
{
    m_last = text;
    const QWidget* focused = QApplication::focusWidget();
    if (!focused || focused->window() != m_window->window())
        return;
    m_notice->setAccessibleName(text);
    QAccessibleEvent shown(m_notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
