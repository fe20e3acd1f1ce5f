#pragma once

#include <QObject>
#include <QtQmlIntegration/qqmlintegration.h>

// The rating colours of the palette; Colors.tint() maps each to its colour.
// Capitalised, since QML reaches only enum values with an upper-case initial.
// Screens hand a tint only to Colors.tint(): Qt 6.4's compiled bindings fail
// to read an enum out of a value type into a typed property.
namespace Tints {
Q_NAMESPACE
QML_NAMED_ELEMENT(Tint)

enum class Tint { Good, Warning, Problem, Neutral };
Q_ENUM_NS(Tint)

} // namespace Tints

using Tints::Tint;
