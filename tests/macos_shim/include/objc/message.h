// Declaration shim: message sending as the SDK declares it without the old
// dispatch prototypes; callers cast it to the method's real signature.
#pragma once

#include <objc/objc.h>

#ifdef __cplusplus
extern "C" {
#endif

void objc_msgSend(void);

#ifdef __cplusplus
}
#endif
