#pragma once

#include <CoreFoundation/CoreFoundation.h>
#include <IOKit/IOKitLib.h>

// Owns one CoreFoundation reference from a Create or Copy call and releases
// it exactly once; an empty handle (the call returned NULL) releases nothing.
template<typename Ref>
class CFHandle
{
public:
    explicit CFHandle(Ref ref)
        : m_ref(ref)
    {
    }
    ~CFHandle()
    {
        if (m_ref)
            CFRelease(m_ref);
    }
    CFHandle(const CFHandle &) = delete;
    CFHandle &operator=(const CFHandle &) = delete;

    Ref get() const { return m_ref; }
    explicit operator bool() const { return m_ref != nullptr; }

private:
    Ref m_ref;
};

// Owns one IOKit object (service, iterator, connection) and releases it once.
class IOObjectHandle
{
public:
    explicit IOObjectHandle(io_object_t object)
        : m_object(object)
    {
    }
    ~IOObjectHandle()
    {
        if (m_object != IO_OBJECT_NULL)
            IOObjectRelease(m_object);
    }
    IOObjectHandle(const IOObjectHandle &) = delete;
    IOObjectHandle &operator=(const IOObjectHandle &) = delete;

    io_object_t get() const { return m_object; }
    explicit operator bool() const { return m_object != IO_OBJECT_NULL; }

private:
    io_object_t m_object;
};
