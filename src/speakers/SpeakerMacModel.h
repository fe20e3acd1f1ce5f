#pragma once

#include <QString>
#include <QUrl>

class SystemControl;

// The speaker check's own grouping of Macs, which picks its repair page.
enum class SpeakerMacFamily { pro, air, neo };

// Every identifier that is neither a Pro nor an Air, "Unbekannt" included, is `neo`.
SpeakerMacFamily speakerFamily(const QString &identifier);
QString displayName(SpeakerMacFamily family);
QUrl speakerRepairPage(SpeakerMacFamily family);

struct SpeakerMacModelInfo
{
    // The hardware model identifier, or "Unbekannt".
    QString identifier;
    SpeakerMacFamily family;

    // "MacBook Pro · MacBookPro18,3", or the family alone for an unknown Mac.
    QString displayName() const;
};

// "hw.model", or "Unbekannt" when it cannot be read or is empty.
SpeakerMacModelInfo readSpeakerMacModel(const SystemControl &systemControl);
