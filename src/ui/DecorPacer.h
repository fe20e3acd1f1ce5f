#pragma once

#include <QObject>
#include <QTimer>
#include <QtQmlIntegration/qqmlintegration.h>

// Whether decorative animations may run: only for a while after the user's
// last input or a new screen, so a screen nobody touches costs next to no CPU.
class DecorPacer : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(bool active READ active NOTIFY activeChanged)

public:
    static constexpr std::chrono::milliseconds restAfter {8000};

    explicit DecorPacer(QObject *parent = nullptr);

    bool active() const { return m_active; }
    // A new screen counts as activity.
    Q_INVOKABLE void wake();

signals:
    void activeChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setActive(bool active);

    QTimer m_rest;
    bool m_active = true;
};
