#include "battery/BatteryEvaluation.h"

#include "platform/values/TextFolding.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

bool containsAny(const QString &folded, std::initializer_list<const char *> words)
{
    return std::any_of(words.begin(), words.end(),
                       [&folded](const char *word) { return folded.contains(QLatin1String(word)); });
}

std::optional<BatteryVerdict> conditionClass(const QString &condition)
{
    const QString folded = foldedForComparison(condition);
    if (containsAny(folded,
                    {"service recommended", "recommended service", "service empfohlen", "service battery",
                     "check battery", "batterie warten", "replace now", "jetzt austauschen", "service required",
                     "permanent failure", "failure", "defekt"}))
        return BatteryVerdict::replace;
    if (containsAny(folded, {"replace soon", "bald austauschen", "bald ersetzen"}))
        return BatteryVerdict::soon;
    if (containsAny(folded, {"normal", "good", "gut"}))
        return BatteryVerdict::good;
    return std::nullopt;
}

BatteryVerdict atLeast(BatteryVerdict current, BatteryVerdict floor)
{
    return static_cast<int>(current) >= static_cast<int>(floor) ? current : floor;
}

QString explanationFor(BatteryVerdict verdict)
{
    switch (verdict) {
    case BatteryVerdict::good:
        return QStringLiteral("Kapazität, Ladezyklen und der macOS Status liegen im unauffälligen Bereich. Ein "
                              "vorsorglicher Austausch ist derzeit nicht erforderlich.");
    case BatteryVerdict::soon:
        return QStringLiteral("Mindestens ein Wert liegt im Vorwarnbereich. Der Akku kann weiterverwendet werden, ein "
                              "Austausch sollte aber für die nähere Zukunft eingeplant werden.");
    case BatteryVerdict::replace:
        return QStringLiteral("Mindestens ein Wert hat die Austauschgrenze erreicht. Für zuverlässige Laufzeit und "
                              "Betriebssicherheit ist ein Akku-Wechsel empfehlenswert.");
    case BatteryVerdict::unavailable: break;
    }
    return QStringLiteral("Die Batterie wurde erkannt, die für eine eindeutige Bewertung benötigten Werte waren "
                          "jedoch nicht vollständig verfügbar.");
}

} // namespace

BatteryEvaluation evaluate(const BatterySnapshot &snapshot)
{
    BatteryVerdict verdict = BatteryVerdict::good;
    QStringList reasons;
    bool rated = false;

    if (snapshot.macOSCondition && !snapshot.macOSCondition->trimmed().isEmpty()) {
        const QString &condition = *snapshot.macOSCondition;
        switch (conditionClass(condition).value_or(BatteryVerdict::unavailable)) {
        case BatteryVerdict::replace:
            verdict = BatteryVerdict::replace;
            reasons << QStringLiteral("macOS meldet „%1“.").arg(condition);
            rated = true;
            break;
        case BatteryVerdict::soon:
            verdict = BatteryVerdict::soon;
            reasons << QStringLiteral("macOS weist mit „%1“ auf zunehmenden Verschleiß hin.").arg(condition);
            rated = true;
            break;
        case BatteryVerdict::good:
            reasons << QStringLiteral("Der macOS Batteriestatus lautet „%1“.").arg(condition);
            rated = true;
            break;
        case BatteryVerdict::unavailable: break;
        }
    }

    if (snapshot.healthPercent && std::isfinite(*snapshot.healthPercent)) {
        const double percent = *snapshot.healthPercent;
        const QString shown = QString::number(static_cast<qint64>(std::round(percent)));
        if (percent <= 80.0) {
            verdict = BatteryVerdict::replace;
            reasons << QStringLiteral("Die Restkapazität beträgt %1 % und liegt damit bei höchstens 80 %.").arg(shown);
        } else if (percent <= 85.0) {
            verdict = atLeast(verdict, BatteryVerdict::soon);
            reasons
                << QStringLiteral("Die Restkapazität beträgt %1 % und liegt im Vorwarnbereich von 81–85 %.").arg(shown);
        } else {
            reasons << QStringLiteral("Die Restkapazität beträgt %1 % und liegt über 85 %.").arg(shown);
        }
        rated = true;
    }

    if (snapshot.cycleCount) {
        const qint64 cycles = *snapshot.cycleCount;
        const QString shown = QString::number(cycles);
        if (cycles >= 801) {
            verdict = BatteryVerdict::replace;
            reasons << QStringLiteral("Der Akku hat %1 Ladezyklen und damit mehr als 800 Zyklen erreicht.").arg(shown);
        } else if (cycles >= 500) {
            verdict = atLeast(verdict, BatteryVerdict::soon);
            reasons << QStringLiteral("Der Akku hat %1 Ladezyklen und liegt im Vorwarnbereich von 500–800 Zyklen.")
                           .arg(shown);
        } else {
            reasons << QStringLiteral("Der Akku hat %1 Ladezyklen und liegt unter 500 Zyklen.").arg(shown);
        }
    } else if (!rated) {
        return {
            BatteryVerdict::unavailable,
            {QStringLiteral("macOS hat weder eine verwertbare Restkapazität noch eine Ladezyklenzahl bereitgestellt.")},
            explanationFor(BatteryVerdict::unavailable)};
    }

    return {verdict, reasons, explanationFor(verdict)};
}
