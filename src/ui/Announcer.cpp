#include "ui/Announcer.h"

#include <QAccessible>
#include <QPointer>
#include <QTimer>

QAccessible::Role Announcer::role()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0) && defined(Q_OS_LINUX)
    return QAccessible::Notification;
#else
    return QAccessible::AlertMessage;
#endif
}

void Announcer::announce(QQuickItem *item)
{
    if (!item)
        return;
    // A result appears with its whole screen; waiting for the loop lets the
    // screen finish, so a section that is built but hidden says nothing.
    QTimer::singleShot(0, item, [item = QPointer<QQuickItem>(item)] {
        if (!item || !item->isVisible() || !QAccessible::isActive())
            return;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(item);
        if (!accessible)
            return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        QString message = accessible->text(QAccessible::Name);
        if (const QString more = accessible->text(QAccessible::Description); !more.isEmpty())
            message += QLatin1String(". ") + more;
        QAccessibleAnnouncementEvent announcement(item, message);
        QAccessible::updateAccessibility(&announcement);
#else
        // No second showing of our own: Orca read the verdict twice.
        QAccessibleEvent alert(item, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
#endif
    });
}
