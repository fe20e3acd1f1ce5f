#pragma once

#include <QString>

class SystemControl;

// The "hw.model" value, or "Unbekannt" where it cannot be read.
QString modelIdentifier(const SystemControl &systemControl);

// The marketing name guessed from the identifier, for when no tool names it.
QString fallbackModelName(const QString &modelIdentifier);
