#include "usbc/USBPortTestResult.h"

#include <QLocale>

QString USBPortTestResult::stateName() const
{
    switch (state) {
    case State::passed: return QStringLiteral("passed");
    case State::failed: return QStringLiteral("failed");
    case State::limited: return QStringLiteral("limited");
    }
    return {};
}

QString USBPortTestResult::title() const
{
    switch (state) {
    case State::passed: return QStringLiteral("Anschluss in Ordnung");
    case State::failed: return QStringLiteral("Anschluss vermutlich defekt");
    case State::limited: return QStringLiteral("Laden erkannt – Portzuordnung eingeschränkt");
    }
    return {};
}

QString USBPortTestResult::wattsText() const
{
    if (!adapterWatts)
        return {};
    return QLocale().toString(*adapterWatts) + QStringLiteral(" W erkannt");
}
