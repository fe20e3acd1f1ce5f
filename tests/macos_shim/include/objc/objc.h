// Declaration shim: the Objective-C runtime's basic types, declared as the
// macOS SDK declares them, so macOS sources compile on Linux.
#pragma once

typedef struct objc_class *Class;
typedef struct objc_object *id;
typedef struct objc_selector *SEL;

#ifdef __cplusplus
extern "C" {
#endif

SEL sel_registerName(const char *str);

#ifdef __cplusplus
}
#endif
