// Declaration shim: the Mach types IOKit's user library uses (64-bit user space).
#pragma once

typedef unsigned int natural_t;
typedef natural_t mach_port_t;
typedef mach_port_t task_t;
typedef task_t task_port_t;
typedef int kern_return_t;

#define MACH_PORT_NULL 0
#define KERN_SUCCESS 0
