#pragma once

#include <QList>
#include <QString>

#include <optional>

// The ten diagnosis modules in catalogue order.
enum class DiagnosisModule { battery, system, power, fans, usbC, speakers, display, input, media, storage };

const QList<DiagnosisModule> &allDiagnosisModules();
QString rawValue(DiagnosisModule module);
std::optional<DiagnosisModule> diagnosisModule(const QString &rawValue);
QString title(DiagnosisModule module);
QString eyebrow(DiagnosisModule module);
QString subtitle(DiagnosisModule module);
// A system symbol name, resolved to an icon by the screens.
QString symbol(DiagnosisModule module);
