#include "display/EscapeKeyFilter.h"

#include <QCoreApplication>
#include <QKeyEvent>

EscapeKeyFilter::EscapeKeyFilter(QObject *parent)
    : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

EscapeKeyFilter::~EscapeKeyFilter()
{
    if (QCoreApplication *application = QCoreApplication::instance())
        application->removeEventFilter(this);
}

bool EscapeKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        emit escapePressed();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
