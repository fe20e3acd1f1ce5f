// Declaration shim: the Mach types IOKit's user library uses (64-bit user space).
#pragma once

typedef unsigned int natural_t;
typedef natural_t mach_port_t;
typedef mach_port_t task_t;
typedef task_t task_port_t;
typedef int kern_return_t;

// boolean_t differs between the two Mac architectures.
#if defined(__arm64__) || defined(__aarch64__)
typedef int boolean_t;
#else
typedef unsigned int boolean_t;
#endif

#define MACH_PORT_NULL 0
#define KERN_SUCCESS 0
