#pragma once

#include "flow/DiagnosticFlow.h"

#include <QMetaMethod>

// Counts every signal a flow of any module sends, whatever field it touches.
class FlowSignals : public QObject
{
    Q_OBJECT

public:
    explicit FlowSignals(DiagnosticFlow *flow)
    {
        const QMetaObject *meta = flow->metaObject();
        const QMetaMethod slot = metaObject()->method(metaObject()->indexOfSlot("count()"));
        for (int i = DiagnosticFlow::staticMetaObject.methodOffset(); i < meta->methodCount(); ++i) {
            if (meta->method(i).methodType() == QMetaMethod::Signal)
                connect(flow, meta->method(i), this, slot);
        }
    }
    int seen = 0;

public slots:
    void count() { ++seen; }
};
