#include "machine/BatteryReaderError.h"

QString localizedDescription(BatteryReaderError error)
{
    switch (error) {
    case BatteryReaderError::noBattery:
        return QStringLiteral("Keine interne MacBook Batterie wurde gefunden. Die App ist für MacBook, MacBook Air, "
                              "MacBook Pro und MacBook Neo vorgesehen.");
    case BatteryReaderError::systemProfilerFailed: break;
    }
    return QStringLiteral("Die Batteriedaten konnten von macOS nicht vollständig gelesen werden.");
}
