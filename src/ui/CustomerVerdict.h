#pragma once

#include "ui/Tint.h"

#include <QObject>
#include <QString>
#include <QtQmlIntegration/qqmlintegration.h>

#include <optional>

// The four-level verdict of the smaller modules. Capitalised for QML; the raw
// values are the lower-case words.
namespace CustomerVerdicts {
Q_NAMESPACE
QML_NAMED_ELEMENT(CustomerVerdict)

enum class CustomerVerdict { Good, Notice, Problem, Unavailable };
Q_ENUM_NS(CustomerVerdict)

} // namespace CustomerVerdicts

using CustomerVerdicts::CustomerVerdict;

QString rawValue(CustomerVerdict verdict);
// None for a word outside the four.
std::optional<CustomerVerdict> customerVerdict(const QString &rawValue);
QString verdictSymbol(CustomerVerdict verdict);
Tint verdictTint(CustomerVerdict verdict);

// The look of a verdict for the screens, which cannot call free functions.
class CustomerVerdictLook : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;

    Q_INVOKABLE QString symbol(CustomerVerdicts::CustomerVerdict verdict) const { return verdictSymbol(verdict); }
    Q_INVOKABLE Tints::Tint tint(CustomerVerdicts::CustomerVerdict verdict) const { return verdictTint(verdict); }
};
