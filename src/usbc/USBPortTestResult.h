#pragma once

#include <QObject>
#include <QString>
#include <QUuid>
#include <QtQmlIntegration/qqmlintegration.h>

#include <optional>

// The outcome of one port in test order.
struct USBPortTestResult
{
    Q_GADGET
    QML_VALUE_TYPE(usbPortTestResult)
    Q_PROPERTY(int ordinal MEMBER ordinal CONSTANT)
    Q_PROPERTY(QString stateName READ stateName CONSTANT)
    Q_PROPERTY(QString title READ title CONSTANT)
    Q_PROPERTY(QString note MEMBER note CONSTANT)
    Q_PROPERTY(QString wattsText READ wattsText CONSTANT)
    Q_PROPERTY(bool failed READ failed CONSTANT)

public:
    enum class State { passed, failed, limited };

    QUuid id;
    // From 1.
    int ordinal = 1;
    State state = State::passed;
    // The registry entry of the port that charged; only for passed.
    std::optional<quint64> controllerID;
    std::optional<qint64> adapterWatts;
    QString note;

    // "passed", "failed", "limited".
    QString stateName() const;
    QString title() const;
    // Watts followed by " W erkannt"; empty without watts.
    QString wattsText() const;
    bool failed() const { return state == State::failed; }
};
