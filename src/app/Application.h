#pragma once

#include "platform/Platform.h"

// The application on the given platform, to the end of its event loop.
// Once the window is gone the process ends within a moment, even when a
// measurement hangs in a read.
int runApplication(int argc, char **argv, Platform platform);
