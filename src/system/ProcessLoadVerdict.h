#pragma once

#include <QString>

// Ordered from best to worst rated; unavailable means nothing was rated.
enum class ProcessLoadVerdict { good, elevated, heavy, unavailable };

QString label(ProcessLoadVerdict verdict);
