#pragma once

#include "platform/smc/SmcKeyTable.h"

#include <IOKit/IOKitLib.h>

#include <QList>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A stand-in I/O registry for the IOKit calls of the macOS backends: a tree of
// services with classes, entry IDs, names, properties and children; the SMC
// user client answering its 80-byte records from a key table; and the power
// sources. Counts every handle given out and every release of it.
namespace FakeIOKit {

struct Service
{
    std::string className;
    // Further classes it matches as: its superclasses.
    std::vector<std::string> matchesAs;
    std::string name; // in the service plane, with its location ("hpm0@C")
    std::uint64_t entryId = 0;
    CFDictionaryRef properties = nullptr; // taken over; none reads as empty
    std::vector<Service> children;
    // What opening a user client on it answers; only the SMC's open.
    kern_return_t opens = kIOReturnUnsupported;
};

enum class Matching { succeeds, fails, succeedsWithoutIterator };

struct Faults
{
    Matching matching = Matching::succeeds;
    bool propertiesFail = false; // IORegistryEntryCreateCFProperties
    bool entryIdFails = false;
    bool pathFails = false;
    bool childIteratorFails = false;
    // SMC calls from this one on (counting from 1) fail; 0 never.
    int smcCallsFailFrom = 0;
};

// Takes over the references of the property dictionaries.
void setRegistry(std::vector<Service> roots, Faults faults = {});
// The services of one class at the top, as many tests need no more.
void setRegistry(const std::string &serviceClass, std::vector<CFDictionaryRef> services,
                 Matching matching = Matching::succeeds);
// Releases the registry's dictionaries and forgets the SMC and power sources.
void clearRegistry();

void setSmcKeys(QList<SmcKey> keys);

// The power-source information: none, or a providing type (none when left
// out); the adapter's details are taken over.
void setPowerSources(bool available, std::optional<std::string> providingType,
                     CFDictionaryRef adapterDetails = nullptr);

std::string lastMatchedClass();
// Handles still held: services, iterators, open connections.
int heldObjects();
// Releases of a handle not held, and closes of a connection not open.
int overReleases();

} // namespace FakeIOKit
