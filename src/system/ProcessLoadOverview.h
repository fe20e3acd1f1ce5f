#pragma once

#include "system/ProcessLoadEvaluation.h"
#include "system/ProcessLoadReport.h"
#include "ui/Tint.h"

#include <QList>
#include <QString>

// A flagged process as its row shows it.
struct FlaggedProcessRow
{
    Q_GADGET
    QML_VALUE_TYPE(flaggedProcessRow)
    Q_PROPERTY(QString name MEMBER name CONSTANT)
    Q_PROPERTY(QString originLabel MEMBER originLabel CONSTANT)
    Q_PROPERTY(QString symbol MEMBER symbol CONSTANT)
    Q_PROPERTY(QString note MEMBER note CONSTANT)
    Q_PROPERTY(QString details MEMBER details CONSTANT)
    Q_PROPERTY(QString average MEMBER average CONSTANT)
    Q_PROPERTY(QString peak MEMBER peak CONSTANT)
    Q_PROPERTY(Tints::Tint tint MEMBER tint CONSTANT)

public:
    QString name;
    QString originLabel;
    QString symbol;
    // Empty without a note.
    QString note;
    QString details;
    QString average;
    QString peak;
    Tint tint = Tint::Warning;

    bool operator==(const FlaggedProcessRow &) const = default;
};

// A relevant process in the expanded list.
struct ProcessListRow
{
    Q_GADGET
    QML_VALUE_TYPE(processListRow)
    Q_PROPERTY(QString name MEMBER name CONSTANT)
    Q_PROPERTY(QString details MEMBER details CONSTANT)

public:
    QString name;
    QString details;

    bool operator==(const ProcessListRow &) const = default;
};

// The process panel's content, numbers written in the user's locale.
struct ProcessLoadOverview
{
    Q_GADGET
    QML_VALUE_TYPE(processLoadOverview)
    Q_PROPERTY(QString powerSymbol MEMBER powerSymbol CONSTANT)
    Q_PROPERTY(QString powerMode MEMBER powerMode CONSTANT)
    Q_PROPERTY(QString measurement MEMBER measurement CONSTANT)
    Q_PROPERTY(QList<FlaggedProcessRow> flagged MEMBER flagged CONSTANT)
    Q_PROPERTY(QList<ProcessListRow> relevant MEMBER relevant CONSTANT)

public:
    QString powerSymbol;
    QString powerMode;
    QString measurement;
    QList<FlaggedProcessRow> flagged;
    QList<ProcessListRow> relevant;

    bool operator==(const ProcessLoadOverview &) const = default;
};

ProcessLoadOverview processLoadOverview(const ProcessLoadReport &report, const ProcessLoadEvaluation &evaluation,
                                        bool onBattery);

// A flagged process burns red when it keeps a core busy or spikes far beyond
// one; the kernel's own task is only ever a warning.
Tint flaggedProcessTint(const ProcessCPURecord &process);
