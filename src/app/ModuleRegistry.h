#pragma once

#include "flow/Clock.h"
#include "platform/Platform.h"
#include "platform/Sleeper.h"

#include <memory>

class AppShell;

// The one place that knows every module's flow object and root screen.
void registerProductModules(AppShell &shell, const Platform &platform, Clock &clock,
                            const std::shared_ptr<const Sleeper> &sleeper);
