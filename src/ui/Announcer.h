#pragma once

#include <QObject>
#include <QQuickItem>
#include <QtQmlIntegration/qqmlintegration.h>

// Has a screen reader read an item out the moment it appears, as a web
// page's live region would: a verdict, an error. From Qt 6.8 this is the
// platform's own announcement; before, the item is an alert whose showing
// is reported, which is what screen readers speak for alerts.
class Announcer : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;

    // Reads out item's accessible name and description once the current
    // change has settled, if item is shown by then.
    Q_INVOKABLE void announce(QQuickItem *item);
};
