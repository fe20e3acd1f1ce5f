#pragma once

// The sidebar step of a flow whose phases include start, checking, result and
// error: "evaluate" (3) once the progress reaches evaluatingFrom or the check
// failed.
template<typename Phase>
int checkSidebarStep(Phase phase, double progress, double evaluatingFrom)
{
    switch (phase) {
    case Phase::start: return 2;
    case Phase::checking: return progress >= evaluatingFrom ? 3 : 2;
    case Phase::result: return 4;
    case Phase::error: return 3;
    }
    return 2;
}
