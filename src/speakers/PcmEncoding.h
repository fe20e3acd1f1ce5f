#pragma once

#include "speakers/TestSignal.h"

#include <QAudioFormat>
#include <QByteArray>

// Interleaved frames in the device's format: left on channel 0, right on
// channel 1, further channels silent. Empty for a format of no use.
QByteArray encodeFrames(const StereoBuffer &buffer, const QAudioFormat &format);
