// Declaration shim: the Objective-C runtime's basic types, declared as the
// macOS SDK declares them, so macOS sources compile on Linux.
#pragma once

typedef struct objc_class *Class;
typedef struct objc_object *id;
typedef struct objc_selector *SEL;

// BOOL is bool where the compiler says so (arm64), a signed char elsewhere.
#if defined(__OBJC_BOOL_IS_BOOL)
#if __OBJC_BOOL_IS_BOOL
#define OBJC_BOOL_IS_BOOL 1
#else
#define OBJC_BOOL_IS_BOOL 0
#endif
#else
#define OBJC_BOOL_IS_BOOL 0
#endif

#if OBJC_BOOL_IS_BOOL
typedef bool BOOL;
#else
typedef signed char BOOL;
#endif

#define YES ((BOOL)1)
#define NO ((BOOL)0)

#ifdef __cplusplus
extern "C" {
#endif

SEL sel_registerName(const char *str);

#ifdef __cplusplus
}
#endif
