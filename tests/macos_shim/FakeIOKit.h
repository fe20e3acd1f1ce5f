#pragma once

#include <IOKit/IOKitLib.h>

#include <string>
#include <vector>

// A stand-in I/O registry for the IOKit calls of the macOS backends: the
// services that match a class, each a dictionary of properties, and the
// outcome of the matching call. Counts the object handles still held.
namespace FakeIOKit {

enum class Matching { succeeds, fails, succeedsWithoutIterator };

// Takes over the references of the property dictionaries.
void setRegistry(const std::string &serviceClass, std::vector<CFDictionaryRef> services,
                 Matching matching = Matching::succeeds);
// Releases the registry's dictionaries.
void clearRegistry();

std::string lastMatchedClass();
int heldObjects();
int overReleases();

} // namespace FakeIOKit
