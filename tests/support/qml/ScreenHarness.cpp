#include "support/qml/ScreenHarness.h"

#include "support/RecordingSleeper.h"

#include <QElapsedTimer>
#include <QQuickStyle>
#include <QRegularExpression>
#include <QTest>
#include <QThread>
#include <QThreadPool>

#include <queue>

using namespace std::chrono_literals;

namespace {

QQuickItem *buttonIn(QQuickItem *item)
{
    std::queue<QQuickItem *> pending;
    pending.push(item);
    while (!pending.empty()) {
        QQuickItem *candidate = pending.front();
        pending.pop();
        if (candidate->inherits("QQuickAbstractButton"))
            return candidate;
        for (QQuickItem *child : candidate->childItems())
            pending.push(child);
    }
    return nullptr;
}

void settle()
{
    for (int round = 0; round < 3; ++round)
        QCoreApplication::processEvents();
}

} // namespace

ScreenHarness::ScreenHarness(const SimulatedMachine &machine, QSize size)
    : m_shell(makeFakePlatform(machine), m_clock, std::make_shared<RecordingSleeper>())
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    // A screen's runtime error (a failed binding, a missing property) fails the test.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^qrc:/Quarzlinde/")));
    // The style can be chosen only before the first window of the process.
    static const bool styled = [] {
        QQuickStyle::setStyle(QStringLiteral("Basic"));
        return true;
    }();
    Q_UNUSED(styled);
    m_engine.setInitialProperties({{QStringLiteral("shell"), QVariant::fromValue(&m_shell)}});
    m_engine.load(QUrl(QStringLiteral("qrc:/Quarzlinde/Main.qml")));
    if (m_engine.rootObjects().isEmpty())
        qFatal("The main window did not load");
    m_window = qobject_cast<QQuickWindow *>(m_engine.rootObjects().constFirst());
    m_window->resize(size);
    if (!QTest::qWaitForWindowExposed(m_window))
        qFatal("The main window was never shown");
    settle();
}

QQuickItem *ScreenHarness::find(const QString &objectName) const
{
    QQuickItem *firstMatch = nullptr;
    std::queue<QQuickItem *> pending;
    pending.push(m_window->contentItem());
    while (!pending.empty()) {
        QQuickItem *item = pending.front();
        pending.pop();
        if (item->objectName() == objectName) {
            if (item->isVisible())
                return item;
            if (!firstMatch)
                firstMatch = item;
        }
        for (QQuickItem *child : item->childItems())
            pending.push(child);
    }
    return firstMatch;
}

QString ScreenHarness::text(const QString &objectName) const
{
    const QQuickItem *item = find(objectName);
    return item ? item->property("text").toString() : QString();
}

QStringList ScreenHarness::texts(const QString &objectName) const
{
    QStringList found;
    std::queue<QQuickItem *> pending;
    pending.push(m_window->contentItem());
    while (!pending.empty()) {
        QQuickItem *item = pending.front();
        pending.pop();
        if (!item->isVisible())
            continue;
        if (item->objectName() == objectName)
            found << item->property("text").toString();
        for (QQuickItem *child : item->childItems())
            pending.push(child);
    }
    return found;
}

bool ScreenHarness::isShown(const QString &objectName) const
{
    const QQuickItem *item = find(objectName);
    return item && item->isVisible() && item->opacity() > 0;
}

void ScreenHarness::press(const QString &objectName)
{
    QQuickItem *item = find(objectName);
    QVERIFY2(item, qPrintable(objectName));
    QQuickItem *button = buttonIn(item);
    QVERIFY2(button && button->isVisible() && button->isEnabled(), qPrintable(objectName));
    QMetaObject::invokeMethod(button, "clicked");
    settle();
}

void ScreenHarness::click(const QString &objectName)
{
    QQuickItem *item = find(objectName);
    QVERIFY2(item, qPrintable(objectName));
    const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    QTest::mouseClick(m_window, Qt::LeftButton, {}, centre.toPoint());
    settle();
}

void ScreenHarness::advance(std::chrono::milliseconds duration)
{
    for (auto passed = 0ms; passed < duration; passed += 10ms) {
        m_clock.advance(std::min(10ms, duration - passed));
        settle();
    }
}

bool ScreenHarness::advanceUntil(const std::function<bool()> &condition)
{
    QElapsedTimer realTime;
    realTime.start();
    for (auto passed = 0ms; passed < 60s; passed += 10ms) {
        if (condition())
            return true;
        m_clock.advance(10ms);
        settle();
        // Virtual time can outrun work on other threads; let it catch up.
        if (passed > 10s && realTime.elapsed() < 5000)
            QThread::msleep(5);
    }
    return condition();
}

void ScreenHarness::waitForReader()
{
    QThreadPool::globalInstance()->waitForDone();
    settle();
}

QImage ScreenHarness::grab()
{
    // Let the screens' own animations come to rest first.
    QTest::qWait(450);
    return m_window->grabWindow();
}
