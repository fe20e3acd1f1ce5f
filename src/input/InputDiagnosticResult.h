#pragma once

#include "input/TrackpadTestStep.h"
#include "machine/MacBookFamily.h"
#include "ui/CustomerVerdict.h"

#include <QSet>
#include <QStringList>
#include <QUrl>

// What the input test recognised, and the verdict on it.
struct InputDiagnosticResult
{
    Q_GADGET
    QML_VALUE_TYPE(inputDiagnosticResult)
    Q_PROPERTY(CustomerVerdicts::CustomerVerdict verdict READ verdict CONSTANT)
    Q_PROPERTY(QString title READ title CONSTANT)
    Q_PROPERTY(QString text READ text CONSTANT)
    Q_PROPERTY(QStringList details READ details CONSTANT)
    Q_PROPERTY(QStringList missingKeys MEMBER missingKeys CONSTANT)
    Q_PROPERTY(QUrl keyboardRepairPage READ keyboardRepairPage CONSTANT)
    Q_PROPERTY(QUrl trackpadRepairPage READ trackpadRepairPage CONSTANT)
    Q_PROPERTY(bool offersKeyboardRepair READ offersKeyboardRepair CONSTANT)
    Q_PROPERTY(bool offersTrackpadRepair READ offersTrackpadRepair CONSTANT)

public:
    int pressedCount = 0;
    int expectedCount = 0;
    // Labels of the keys never pressed, in layout order.
    QStringList missingKeys;
    TrackpadActions trackpad;
    // Picks the repair pages.
    MacBookFamily family = MacBookFamily::unsupported;

    CustomerVerdict verdict() const;
    QString title() const;
    QString text() const;
    QStringList details() const;
    // Empty unless a key stayed unrecognised.
    QUrl keyboardRepairPage() const;
    // Empty unless a trackpad action stayed unrecognised.
    QUrl trackpadRepairPage() const;
    bool offersKeyboardRepair() const { return !missingKeys.isEmpty(); }
    bool offersTrackpadRepair() const { return !trackpad.all(); }
    bool operator==(const InputDiagnosticResult &) const = default;
};

// Codes outside the layout count for nothing.
InputDiagnosticResult inputResult(const QSet<quint16> &pressedKeyCodes, const TrackpadActions &trackpad,
                                  MacBookFamily family);
