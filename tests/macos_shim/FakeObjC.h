#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// A stand-in Objective-C runtime with one view in one window and the shared
// process-information object. Records every message as "Receiver selector
// argument", the argument only where the message has one.
namespace FakeObjC {

struct Setup
{
    bool viewInWindow = true;
    unsigned long styleMask = 15; // titled, closable, miniaturizable, resizable
    bool hasSeparatorStyle = true; // macOS 11 and later
    bool hasProcessInfoClass = true;
    bool processInfoAnswers = true;
    long thermalState = 0;
};

void reset(const Setup &setup);
// The fake view's address, as a QWindow's winId() gives it.
quintptr view();
QStringList messages();
unsigned long styleMask();

} // namespace FakeObjC
