#include "machine/RepairPages.h"

#include "machine/SiteAddress.h"

QUrl sitePage(const char *path)
{
    return QUrl(QString::fromLatin1(siteBaseAddress) + QString::fromLatin1(path));
}

namespace RepairPages {
const QUrl &generalDisplay()
{
    static const QUrl url = sitePage("/macbook-display-reparatur/");
    return url;
}
const QUrl &generalKeyboard()
{
    static const QUrl url = sitePage("/macbook-tastatur-reparatur/");
    return url;
}
const QUrl &generalTrackpad()
{
    static const QUrl url = sitePage("/macbook-trackpad-reparatur/");
    return url;
}
const QUrl &generalUsbC()
{
    static const QUrl url = sitePage("/macbook-usb-c-reparatur/");
    return url;
}
const QUrl &magSafe()
{
    static const QUrl url = sitePage("/macbook-magsafe-anschluss-reparatur/");
    return url;
}
const QUrl &diagnosisEstimate()
{
    static const QUrl url = sitePage("/macbook-diagnose-kostenvoranschlag/");
    return url;
}
const QUrl &cleaning()
{
    static const QUrl url = sitePage("/intensive-mac-reinigung/");
    return url;
}
} // namespace RepairPages

std::optional<QUrl> batteryRepairURL(MacBookFamily family)
{
    switch (family) {
    case MacBookFamily::pro: return sitePage("/macbook-pro-akku-wechsel/");
    case MacBookFamily::air: return sitePage("/macbook-air-akku-wechsel/");
    case MacBookFamily::twelveInch: return sitePage("/macbook-12-zoll-akku-wechsel/");
    case MacBookFamily::neo: return sitePage("/macbook-neo-akku-wechsel/");
    case MacBookFamily::macBook:
    case MacBookFamily::unsupported: break;
    }
    return std::nullopt;
}

QUrl displayRepairURL(MacBookFamily family)
{
    switch (family) {
    case MacBookFamily::pro: return sitePage("/macbook-pro-display-reparatur/");
    case MacBookFamily::air: return sitePage("/macbook-air-display-reparatur/");
    case MacBookFamily::neo: return sitePage("/macbook-neo-display-reparatur/");
    default: return RepairPages::generalDisplay();
    }
}

QUrl keyboardRepairURL(MacBookFamily family)
{
    switch (family) {
    case MacBookFamily::air: return sitePage("/macbook-air-tastatur-topcase-reparatur/");
    case MacBookFamily::twelveInch: return sitePage("/macbook-12-tastatur-topcase-reparatur/");
    default: return RepairPages::generalKeyboard();
    }
}

QUrl trackpadRepairURL(MacBookFamily family)
{
    if (family == MacBookFamily::twelveInch)
        return sitePage("/macbook-12-zoll-trackpad-reparatur/");
    return RepairPages::generalTrackpad();
}

QUrl usbCRepairURL(MacBookFamily family)
{
    switch (family) {
    case MacBookFamily::pro: return sitePage("/macbook-pro-usb-c-reparatur/");
    case MacBookFamily::air: return sitePage("/macbook-air-usb-c-reparatur/");
    case MacBookFamily::twelveInch: return sitePage("/macbook-12-zoll-usb-c-anschluss-ladebuchse-reparatur/");
    case MacBookFamily::neo: return sitePage("/macbook-neo-usb-c-reparatur/");
    default: return RepairPages::generalUsbC();
    }
}
