#include "app/Application.h"

#include "app/AppShell.h"
#include "flow/Clock.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickStyle>

int runApplication(int argc, char **argv, Platform platform)
{
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Quarzlinde MacBook Fehlerdiagnose"));
    QQuickStyle::setStyle(QStringLiteral("Basic"));

    TimerClock clock;
    AppShell shell(platform, clock, std::make_shared<ThreadSleeper>());

    QQmlApplicationEngine engine;
    QObject::connect(
        &engine, &QQmlApplicationEngine::objectCreationFailed, &app, [] { QCoreApplication::exit(1); },
        Qt::QueuedConnection);
    engine.setInitialProperties({{QStringLiteral("shell"), QVariant::fromValue(&shell)}});
    engine.load(QUrl(QStringLiteral("qrc:/Quarzlinde/Main.qml")));
    return app.exec();
}
