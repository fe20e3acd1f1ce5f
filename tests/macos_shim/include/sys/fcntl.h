// Declaration shim: the file-control commands macOS adds to POSIX.
#pragma once

#include <fcntl.h>

#define F_NOCACHE 48
