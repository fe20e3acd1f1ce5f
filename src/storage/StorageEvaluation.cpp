#include "storage/StorageEvaluation.h"

StorageEvaluation evaluateStorage(const StorageSnapshot &snapshot)
{
    const double freeFraction = snapshot.totalBytes < 1
        ? 1.0
        : static_cast<double>(snapshot.freeBytes) / static_cast<double>(snapshot.totalBytes);
    const double freeGigabytes = static_cast<double>(snapshot.freeBytes) / 1e9;
    const QString status = snapshot.smartStatus.value_or(QString()).toLower();

    if (snapshot.smartStatus && (status.contains(QLatin1String("fail")) || status.contains(QLatin1String("fatal"))))
        return {CustomerVerdict::Problem, QStringLiteral("Speicherzustand auffällig"),
                QStringLiteral("macOS meldet für das interne Laufwerk einen auffälligen SMART-Status. Sichere wichtige "
                               "Daten und lasse das MacBook prüfen."),
                true};
    if (freeFraction < 0.08 || freeGigabytes < 10)
        return {
            CustomerVerdict::Problem, QStringLiteral("Sehr wenig freier Speicher"),
            QStringLiteral("Der interne Speicher ist fast voll. Das kann macOS deutlich ausbremsen und Updates oder "
                           "Auslagerungsdateien behindern. Hier ist nicht automatisch eine Reparatur nötig – zuerst "
                           "sollte Speicherplatz freigemacht werden."),
            false};
    if (freeGigabytes < 25 || freeFraction < 0.15)
        return {CustomerVerdict::Notice, QStringLiteral("Freier Speicher wird knapp"),
                QStringLiteral("Es ist nur noch relativ wenig Speicher frei. Für einen dauerhaft flüssigen Betrieb "
                               "empfiehlt sich zusätzlicher freier Platz."),
                false};
    return {CustomerVerdict::Good, QStringLiteral("Speicher unauffällig"),
            QStringLiteral("Freier Speicherplatz und die verfügbaren Laufwerksinformationen zeigen aktuell keine "
                           "auffällige Situation."),
            false};
}

QString formatFileSize(qint64 bytes, const QLocale &locale)
{
    return locale.formattedDataSize(bytes, 2, QLocale::DataSizeSIFormat);
}

QString formatMBps(double speed)
{
    return QStringLiteral("%1 MB/s").arg(static_cast<qint64>(speed));
}

QStringList storageDetailLines(const StorageSnapshot &snapshot, const QLocale &locale)
{
    QStringList lines;
    lines << QStringLiteral("Frei: %1 von %2")
                 .arg(formatFileSize(snapshot.freeBytes, locale), formatFileSize(snapshot.totalBytes, locale));
    if (snapshot.smartStatus)
        lines << QStringLiteral("SMART-Status: ") + *snapshot.smartStatus;
    if (snapshot.writeMBps)
        lines << QStringLiteral("Sequenziell Schreiben: ") + formatMBps(*snapshot.writeMBps);
    if (snapshot.readMBps)
        lines << QStringLiteral("Sequenziell Lesen: ") + formatMBps(*snapshot.readMBps);
    // Said plainly when the system would not let the cache be bypassed.
    const QString cache = snapshot.cacheBypass == CacheBypass::direct
        ? QStringLiteral("Dateicache umgangen")
        : QStringLiteral("Dateicache nach jedem Durchlauf geleert");
    lines << QStringLiteral("Benchmark: %1 Durchläufe · Testdatei %2 · %3")
                 .arg(QString::number(snapshot.benchmarkPasses), formatFileSize(snapshot.benchmarkBytes, locale),
                      cache);
    return lines;
}
