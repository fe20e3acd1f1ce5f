#pragma once

#include <QAccessible>
#include <QObject>
#include <QQuickItem>
#include <QtQmlIntegration/qqmlintegration.h>

// Has a screen reader read an item out the moment it appears, as a web
// page's live region would: a verdict, an error. From Qt 6.8 this is the
// platform's own announcement. Before, Qt reports the item's showing by
// itself; Orca reads that out for a notification only (and Qt drops alert
// events on their way to it), so on Linux such items are notifications.
class Announcer : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    // The role for items that announce themselves.
    Q_PROPERTY(QAccessible::Role role READ role CONSTANT)

public:
    using QObject::QObject;

    static QAccessible::Role role();

    // Reads out item's accessible name and description once the current
    // change has settled, if item is shown by then.
    Q_INVOKABLE void announce(QQuickItem *item);
};
