#pragma once

#include <QDesktopServices>
#include <QObject>
#include <QUrl>

// Stands in for the browser, mail and telephone handlers.
class AddressCatcher : public QObject
{
    Q_OBJECT

public:
    explicit AddressCatcher(const QStringList &schemes = {QStringLiteral("https")})
        : m_schemes(schemes)
    {
        for (const QString &scheme : m_schemes)
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~AddressCatcher() override
    {
        for (const QString &scheme : m_schemes)
            QDesktopServices::unsetUrlHandler(scheme);
    }
    QList<QUrl> opened;

public slots:
    void open(const QUrl &address) { opened << address; }

private:
    QStringList m_schemes;
};
