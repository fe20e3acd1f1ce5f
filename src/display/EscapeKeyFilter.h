#pragma once

#include <QObject>

// Installed on the application while the enlarged test image is open: takes
// every Escape press, in any of the app's windows, and reports it; every other
// event passes unchanged. Removes itself when destroyed.
class EscapeKeyFilter : public QObject
{
    Q_OBJECT

public:
    explicit EscapeKeyFilter(QObject *parent = nullptr);
    ~EscapeKeyFilter() override;

signals:
    void escapePressed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
