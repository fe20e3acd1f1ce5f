#include "media/MediaDiagnosticResult.h"

#include "machine/RepairPages.h"

QUrl MediaDiagnosticResult::diagnosisPage() const
{
    return RepairPages::diagnosisEstimate();
}

MediaDiagnosticResult mediaDiagnosticResult(bool cameraOK, bool microphoneOK)
{
    const auto judged = [](bool ok) { return ok ? QStringLiteral("in Ordnung") : QStringLiteral("auffällig"); };
    MediaDiagnosticResult result;
    result.details = {QStringLiteral("Kamera: ") + judged(cameraOK),
                      QStringLiteral("Mikrofon: ") + judged(microphoneOK)};
    if (cameraOK && microphoneOK) {
        result.verdict = CustomerVerdict::Good;
        result.title = QStringLiteral("Kamera & Mikrofon unauffällig");
        result.explanation = QStringLiteral("Livebild und Mikrofonreaktion wurden erfolgreich bestätigt.");
    } else {
        result.verdict = CustomerVerdict::Problem;
        result.title = QStringLiteral("Kamera oder Mikrofon auffällig");
        result.explanation = QStringLiteral(
            "Mindestens ein Bereich wurde nicht als funktionsfähig bestätigt. Für Kamera- und Mikrofonfehler ist eine "
            "genaue Fehlerdiagnose sinnvoll, weil die Ursache je nach Modell unterschiedlich sein kann.");
    }
    return result;
}
