#pragma once

#include <QAudioFormat>
#include <QByteArrayView>

#include <optional>

// The level bar's value for one buffer: the RMS of the first channel × 12,
// clamped to 0 … 1. None when the buffer holds no whole frame.
std::optional<double> microphoneLevel(const QAudioFormat &format, QByteArrayView buffer);
