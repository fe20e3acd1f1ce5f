#include "speakers/AudioTestError.h"

QString AudioTestError::description() const
{
    switch (kind) {
    case Kind::audioEngineFailed:
        return QStringLiteral("Die Audiowiedergabe konnte nicht gestartet werden: ") + message;
    case Kind::stereoOutputUnavailable:
        return QStringLiteral("Das aktuelle macOS-Ausgabegerät stellt keinen Stereo-Ausgang bereit. Bitte wähle die "
                              "internen MacBook Lautsprecher aus.");
    case Kind::bufferCreationFailed: return QStringLiteral("Die Testtöne konnten nicht erzeugt werden.");
    }
    return {};
}
