#pragma once

#include "machine/TemperatureSensor.h"

#include <QTest>

// Field by field, the temperatures within rounding of the averaging.
inline void compareSensors(const QList<TemperatureSensor> &got, const QList<TemperatureSensor> &expected)
{
    QCOMPARE(got.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QCOMPARE(got.at(i).key, expected.at(i).key);
        QCOMPARE(got.at(i).name, expected.at(i).name);
        QCOMPARE(got.at(i).category, expected.at(i).category);
        QCOMPARE(got.at(i).temperatureCelsius, expected.at(i).temperatureCelsius);
        QCOMPARE(got.at(i).peakCelsius, expected.at(i).peakCelsius);
        QCOMPARE(got.at(i).sampleCount, expected.at(i).sampleCount);
    }
}
