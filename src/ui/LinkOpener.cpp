#include "ui/LinkOpener.h"

#include <QDesktopServices>

bool LinkOpener::open(const QUrl &address)
{
    const bool opened = QDesktopServices::openUrl(address);
    setFailedAddress(opened ? QString() : address.toString());
    return opened;
}

void LinkOpener::setFailedAddress(const QString &address)
{
    if (m_failedAddress == address)
        return;
    m_failedAddress = address;
    emit failedAddressChanged();
}
