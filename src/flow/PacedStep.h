#pragma once

#include <chrono>

// One step of a paced check: the progress shown, its text and the pause after it.
struct PacedStep
{
    double progress;
    const char *text;
    std::chrono::milliseconds pause;
};
