#include "machine/MacBookFamily.h"

bool isTwelveInchIdentifier(const QString &identifier)
{
    return identifier == QLatin1String("MacBook8,1") || identifier == QLatin1String("MacBook9,1") ||
        identifier == QLatin1String("MacBook10,1");
}

QString rawValue(MacBookFamily family)
{
    switch (family) {
    case MacBookFamily::pro: return QStringLiteral("pro");
    case MacBookFamily::air: return QStringLiteral("air");
    case MacBookFamily::twelveInch: return QStringLiteral("twelveInch");
    case MacBookFamily::neo: return QStringLiteral("neo");
    case MacBookFamily::macBook: return QStringLiteral("macBook");
    case MacBookFamily::unsupported: break;
    }
    return QStringLiteral("unsupported");
}

QString displayName(MacBookFamily family)
{
    switch (family) {
    case MacBookFamily::pro: return QStringLiteral("MacBook Pro");
    case MacBookFamily::air: return QStringLiteral("MacBook Air");
    case MacBookFamily::twelveInch: return QStringLiteral("MacBook 12 Zoll");
    case MacBookFamily::neo: return QStringLiteral("MacBook Neo");
    case MacBookFamily::macBook: return QStringLiteral("MacBook");
    case MacBookFamily::unsupported: break;
    }
    return QStringLiteral("Nicht unterstützter Mac");
}

MacBookFamily detectFamily(const QString &modelName, const QString &modelIdentifier)
{
    const QString name = modelName.toLower();
    const QString &identifier = modelIdentifier;

    if (name.contains(QLatin1String("macbook neo")) || identifier.toLower().contains(QLatin1String("macbookneo")) ||
        identifier == QLatin1String("Mac17,5"))
        return MacBookFamily::neo;
    if (name.contains(QLatin1String("macbook pro")) || identifier.startsWith(QLatin1String("MacBookPro")))
        return MacBookFamily::pro;
    if (name.contains(QLatin1String("macbook air")) || identifier.startsWith(QLatin1String("MacBookAir")))
        return MacBookFamily::air;
    if (isTwelveInchIdentifier(identifier) || name.contains(QLatin1String("12-inch")) ||
        name.contains(QLatin1String("12 zoll")))
        return MacBookFamily::twelveInch;
    if (name.contains(QLatin1String("macbook")) || identifier.startsWith(QLatin1String("MacBook")))
        return MacBookFamily::macBook;
    return MacBookFamily::unsupported;
}
