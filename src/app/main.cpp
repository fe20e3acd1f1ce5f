#include "app/AppShell.h"
#include "flow/Clock.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickStyle>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Quarzlinde MacBook Fehlerdiagnose"));
    QQuickStyle::setStyle(QStringLiteral("Basic"));

    TimerClock clock;
    AppShell shell(makeHostPlatform(), clock, std::make_shared<ThreadSleeper>());

    QQmlApplicationEngine engine;
    QObject::connect(
        &engine, &QQmlApplicationEngine::objectCreationFailed, &app, [] { QCoreApplication::exit(1); },
        Qt::QueuedConnection);
    engine.setInitialProperties({{QStringLiteral("shell"), QVariant::fromValue(&shell)}});
    engine.load(QUrl(QStringLiteral("qrc:/Quarzlinde/Main.qml")));
    return app.exec();
}
