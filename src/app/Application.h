#pragma once

#include "platform/Platform.h"

// The application on the given platform, to the end of its event loop.
int runApplication(int argc, char **argv, Platform platform);
