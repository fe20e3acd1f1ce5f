#include "ui/LinkOpener.h"

#include <QDesktopServices>

bool LinkOpener::open(const QUrl &address)
{
    const bool opened = QDesktopServices::openUrl(address);
    setFailedAddress(opened ? QUrl() : address);
    return opened;
}

void LinkOpener::setFailedAddress(const QUrl &address)
{
    if (m_failedAddress == address)
        return;
    m_failedAddress = address;
    emit failedAddressChanged();
}
