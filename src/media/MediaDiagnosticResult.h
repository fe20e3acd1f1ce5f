#pragma once

#include "ui/CustomerVerdict.h"

#include <QString>
#include <QStringList>
#include <QUrl>

// What the user confirmed of the camera's picture and the microphone's level.
struct MediaDiagnosticResult
{
    Q_GADGET
    QML_VALUE_TYPE(mediaDiagnosticResult)
    Q_PROPERTY(CustomerVerdicts::CustomerVerdict verdict MEMBER verdict CONSTANT)
    Q_PROPERTY(QString title MEMBER title CONSTANT)
    Q_PROPERTY(QString explanation MEMBER explanation CONSTANT)
    Q_PROPERTY(QStringList details MEMBER details CONSTANT)
    Q_PROPERTY(bool diagnosisRecommended READ diagnosisRecommended CONSTANT)
    Q_PROPERTY(QUrl diagnosisPage READ diagnosisPage CONSTANT)

public:
    CustomerVerdict verdict = CustomerVerdict::Unavailable;
    QString title;
    QString explanation;
    QStringList details;

    bool diagnosisRecommended() const { return verdict == CustomerVerdict::Problem; }
    // The same page for every Mac.
    QUrl diagnosisPage() const;
    bool operator==(const MediaDiagnosticResult &) const = default;
};

MediaDiagnosticResult mediaDiagnosticResult(bool cameraOK, bool microphoneOK);
