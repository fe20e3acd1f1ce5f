#pragma once

#include <QObject>
#include <QString>

// Ordered from best to worst rated; unavailable means nothing was rated. A
// namespace of its own gives the verdict its names at run time.
namespace ProcessLoadVerdicts {
Q_NAMESPACE
enum class ProcessLoadVerdict { good, elevated, heavy, unavailable };
Q_ENUM_NS(ProcessLoadVerdict)
} // namespace ProcessLoadVerdicts

using ProcessLoadVerdicts::ProcessLoadVerdict;

QString label(ProcessLoadVerdict verdict);
