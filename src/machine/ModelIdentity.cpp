#include "machine/ModelIdentity.h"

#include "machine/MacBookFamily.h"
#include "platform/SystemControl.h"

QString modelIdentifier(const SystemControl &systemControl)
{
    return systemControl.text("hw.model").value_or(QStringLiteral("Unbekannt"));
}

QString fallbackModelName(const QString &identifier)
{
    if (identifier == QLatin1String("Mac17,5"))
        return QStringLiteral("MacBook Neo");
    if (identifier.startsWith(QLatin1String("MacBookPro")))
        return QStringLiteral("MacBook Pro");
    if (identifier.startsWith(QLatin1String("MacBookAir")))
        return QStringLiteral("MacBook Air");
    if (isTwelveInchIdentifier(identifier))
        return QStringLiteral("MacBook 12 Zoll");
    if (identifier.startsWith(QLatin1String("MacBook")))
        return QStringLiteral("MacBook");
    return QStringLiteral("Mac");
}
