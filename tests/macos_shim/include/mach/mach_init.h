// Declaration shim: the calling task's port.
#pragma once

#include <mach/mach_types.h>

#ifdef __cplusplus
extern "C" {
#endif

extern mach_port_t mach_task_self_;
#define mach_task_self() mach_task_self_

#ifdef __cplusplus
}
#endif
