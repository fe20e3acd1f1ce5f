#pragma once

#include <QObject>
#include <QUrl>
#include <QtQmlIntegration/qqmlintegration.h>

// Opens web, mail and telephone addresses in their default handlers. When no
// handler takes one, it keeps the address so the window can show it.
class LinkOpener : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QString failedAddress READ failedAddress NOTIFY failedAddressChanged)

public:
    using QObject::QObject;

    // Empty while every address was taken.
    QString failedAddress() const { return m_failedAddress; }
    Q_INVOKABLE bool open(const QUrl &address);
    Q_INVOKABLE void dismiss() { setFailedAddress({}); }

signals:
    void failedAddressChanged();

private:
    void setFailedAddress(const QString &address);

    QString m_failedAddress;
};
