#pragma once

#include <QObject>
#include <QString>
#include <QVariant>
#include <QtQmlIntegration/qqmlintegration.h>

#include <optional>

// The speedometer's rules: which direction it shows and where its needle stands.
namespace StorageGauges {

constexpr double fullScaleMBps = 8000.0;
constexpr double restAngle = -118.0;
constexpr double sweepAngle = 236.0;
// The needle's swing while there is nothing to show yet.
constexpr double searchAngle = 102.0;

bool showsRead(double progress);
double needleAngle(double speed);

} // namespace StorageGauges

// For the screens, which cannot call free functions. Speeds come as numbers,
// or undefined while there is none.
class StorageGauge : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(double searchAngle READ searchAngle CONSTANT)

public:
    using QObject::QObject;

    double searchAngle() const { return StorageGauges::searchAngle; }
    Q_INVOKABLE bool showsRead(double progress) const { return StorageGauges::showsRead(progress); }
    Q_INVOKABLE QString directionLabel(double progress) const;
    Q_INVOKABLE double needleAngle(const QVariant &speed) const;
    // Whole megabytes per second, "…" without a speed.
    Q_INVOKABLE QString dialText(const QVariant &speed) const;
    // "2800 MB/s", "–" without a speed.
    Q_INVOKABLE QString liveText(const QVariant &speed) const;

private:
    static std::optional<double> speedOf(const QVariant &speed);
};
