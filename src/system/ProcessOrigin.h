#pragma once

#include <QString>

// Where a process's executable lives, which decides how its load is judged.
enum class ProcessOrigin { appleSystem, application, helper, background, unknown };

// The German label shown beside a process.
QString label(ProcessOrigin origin);
