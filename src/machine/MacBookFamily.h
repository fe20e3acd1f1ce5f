#pragma once

#include <QString>

enum class MacBookFamily { pro, air, twelveInch, neo, macBook, unsupported };

QString rawValue(MacBookFamily family);
QString displayName(MacBookFamily family);
// The 12-inch MacBook's identifiers, which the generic "MacBook" prefix would hide.
bool isTwelveInchIdentifier(const QString &modelIdentifier);
MacBookFamily detectFamily(const QString &modelName, const QString &modelIdentifier);
