#pragma once

#include "app/AppShell.h"
#include "support/FakePlatform.h"
#include "support/ManualClock.h"

#include <QImage>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>

#include <chrono>
#include <functional>

// The real main window on a simulated machine, offscreen, in virtual time,
// with the German locale.
class ScreenHarness
{
public:
    explicit ScreenHarness(const SimulatedMachine &machine, QSize size = {1180, 805});

    AppShell &shell() { return m_shell; }
    ManualClock &clock() { return m_clock; }
    QQuickWindow *window() const { return m_window; }

    // The item with that objectName, a visible one when there are several; null when none.
    QQuickItem *find(const QString &objectName) const;
    QString text(const QString &objectName) const;
    // The texts of every shown item with that name, in the order of the tree.
    QStringList texts(const QString &objectName) const;
    bool isShown(const QString &objectName) const;
    // Presses the button that is, or sits inside, the named item.
    void press(const QString &objectName);
    // A real mouse click in the middle of the named item.
    void click(const QString &objectName);
    // Runs the flows in virtual time; lets a finished reader hand over its value.
    void advance(std::chrono::milliseconds duration);
    void waitForReader();
    // Runs the flows in virtual time until the condition holds; false when it
    // still does not after a minute of virtual time and a few seconds of real time.
    bool advanceUntil(const std::function<bool()> &condition);
    QImage grab();

private:
    ManualClock m_clock;
    AppShell m_shell;
    QQmlApplicationEngine m_engine;
    QQuickWindow *m_window = nullptr;
};
