#pragma once

#include <QObject>

#include <atomic>

// Counts the QObjects alive in the process through Qt's object hooks (the
// ones debugging tools use), from the first census on.
class ObjectCensus
{
public:
    static qint64 alive();

private:
    static void install();
};
