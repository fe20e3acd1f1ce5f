// Declaration shim: IOKit's object handle types (64-bit user space).
#pragma once

#include <IOKit/IOReturn.h>
#include <mach/mach_types.h>
#include <stdint.h>

typedef mach_port_t io_object_t;
typedef io_object_t io_connect_t;
typedef io_object_t io_iterator_t;
typedef io_object_t io_registry_entry_t;
typedef io_object_t io_service_t;

#define IO_OBJECT_NULL ((io_object_t)0)

typedef uint32_t IOOptionBits;
typedef char io_name_t[128];
