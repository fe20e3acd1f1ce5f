#include "support/ObjectCensus.h"

// Exported by QtCore; laid out as its private hooks header describes.
extern quintptr Q_CORE_EXPORT qtHookData[];

namespace {

enum Hook { addObject = 3, removeObject = 4 };
using ObjectHook = void (*)(QObject *);

std::atomic<qint64> count {0};
ObjectHook chainedAdd = nullptr;
ObjectHook chainedRemove = nullptr;

void added(QObject *object)
{
    ++count;
    if (chainedAdd)
        chainedAdd(object);
}

void removed(QObject *object)
{
    --count;
    if (chainedRemove)
        chainedRemove(object);
}

} // namespace

void ObjectCensus::install()
{
    chainedAdd = reinterpret_cast<ObjectHook>(qtHookData[addObject]);
    chainedRemove = reinterpret_cast<ObjectHook>(qtHookData[removeObject]);
    qtHookData[addObject] = reinterpret_cast<quintptr>(&added);
    qtHookData[removeObject] = reinterpret_cast<quintptr>(&removed);
}

qint64 ObjectCensus::alive()
{
    static const bool installed = (install(), true);
    Q_UNUSED(installed);
    return count.load();
}
