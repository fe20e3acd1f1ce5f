#pragma once

#include <QByteArray>

#include <optional>

// Values in the byte forms the SMC stores them in, for sources that hand
// over readings instead of raw keys. None where the type cannot hold them.
std::optional<QByteArray> smcEncodeSp78(double celsius);
std::optional<QByteArray> smcEncodeFpe2(double rpm);
QByteArray smcEncodeFloat(float value);
QByteArray smcEncodeUnsigned(quint32 value, int size);
