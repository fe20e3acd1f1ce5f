#include "platform/macos/MacPowerSource.h"

#include "platform/macos/CFVariant.h"
#include "platform/macos/MacHandles.h"

#include <IOKit/ps/IOPowerSources.h>

ProvidingPowerSource providingPowerSource(const QString &type)
{
    // A UPS feeds the machine from outside; its own battery is spared.
    if (type == QLatin1String(kIOPMACPowerKey) || type == QLatin1String(kIOPMUPSPowerKey))
        return ProvidingPowerSource::ac;
    if (type == QLatin1String(kIOPMBatteryPowerKey))
        return ProvidingPowerSource::battery;
    return ProvidingPowerSource::unknown;
}

ProvidingPowerSource MacPowerSource::providingSource() const
{
    const CFHandle<CFTypeRef> info(IOPSCopyPowerSourcesInfo());
    if (!info)
        return ProvidingPowerSource::unknown;
    // Belongs to the information: read, never released.
    const CFStringRef type = IOPSGetProvidingPowerSourceType(info.get());
    if (!type)
        return ProvidingPowerSource::unknown;
    const QVariant text = cfToVariant(type);
    if (text.typeId() != QMetaType::QString)
        return ProvidingPowerSource::unknown;
    return providingPowerSource(text.toString());
}
