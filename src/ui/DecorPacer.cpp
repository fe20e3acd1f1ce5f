#include "ui/DecorPacer.h"

#include <QCoreApplication>
#include <QEvent>

DecorPacer::DecorPacer(QObject *parent)
    : QObject(parent)
{
    m_rest.setSingleShot(true);
    m_rest.setInterval(restAfter);
    connect(&m_rest, &QTimer::timeout, this, [this] { setActive(false); });
    m_rest.start();
    if (QCoreApplication *application = QCoreApplication::instance())
        application->installEventFilter(this);
}

void DecorPacer::wake()
{
    m_rest.start();
    setActive(true);
}

bool DecorPacer::eventFilter(QObject *watched, QEvent *event)
{
    // Only what the user did: the scene sends hover events of its own after
    // every frame, which would keep the decorations awake for ever.
    if (!event->spontaneous())
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
    case QEvent::Wheel:
    case QEvent::TouchBegin: wake(); break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

void DecorPacer::setActive(bool active)
{
    if (m_active == active)
        return;
    m_active = active;
    emit activeChanged();
}
