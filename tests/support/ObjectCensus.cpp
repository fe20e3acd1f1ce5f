#include "support/ObjectCensus.h"

#include <QThread>

#include <mutex>
#include <unordered_set>

// Exported by QtCore; laid out as its private hooks header describes.
extern quintptr Q_CORE_EXPORT qtHookData[];

namespace {

enum Hook { addObject = 3, removeObject = 4 };
using ObjectHook = void (*)(QObject *);

std::mutex mutex;
std::unordered_set<QObject *> objects;
ObjectHook chainedAdd = nullptr;
ObjectHook chainedRemove = nullptr;

void added(QObject *object)
{
    {
        const std::lock_guard lock(mutex);
        objects.insert(object);
    }
    if (chainedAdd)
        chainedAdd(object);
}

void removed(QObject *object)
{
    {
        const std::lock_guard lock(mutex);
        objects.erase(object);
    }
    if (chainedRemove)
        chainedRemove(object);
}

bool isPoolWorker(const QObject *object)
{
    return object && qstrcmp(object->metaObject()->className(), "QThreadPoolThread") == 0;
}

} // namespace

void ObjectCensus::install()
{
    chainedAdd = reinterpret_cast<ObjectHook>(qtHookData[addObject]);
    chainedRemove = reinterpret_cast<ObjectHook>(qtHookData[removeObject]);
    qtHookData[addObject] = reinterpret_cast<quintptr>(&added);
    qtHookData[removeObject] = reinterpret_cast<quintptr>(&removed);
}

// Call it while no other thread makes or ends objects.
qint64 ObjectCensus::alive()
{
    static const bool installed = (install(), true);
    Q_UNUSED(installed);
    const std::lock_guard lock(mutex);
    qint64 count = 0;
    for (const QObject *object : objects)
        count += !isPoolWorker(object) && !isPoolWorker(object->thread());
    return count;
}
