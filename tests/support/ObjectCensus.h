#pragma once

#include <QObject>

// Counts the QObjects alive in the process through Qt's object hooks (the
// ones debugging tools use), from the first census on. Thread-pool workers,
// and what lives in them, are left out: pools keep idle threads for a while
// and let them go as they see fit.
class ObjectCensus
{
public:
    static qint64 alive();

private:
    static void install();
};
