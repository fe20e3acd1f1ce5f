#pragma once

#include <QString>

// Why a test sequence could not play; the description is what the check shows.
struct AudioTestError
{
    enum class Kind { audioEngineFailed, stereoOutputUnavailable, bufferCreationFailed };
    Kind kind;
    // The platform's own words, for audioEngineFailed.
    QString message;

    QString description() const;
};
