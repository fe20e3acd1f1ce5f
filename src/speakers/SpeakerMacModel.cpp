#include "speakers/SpeakerMacModel.h"

#include "machine/RepairPages.h"
#include "platform/SystemControl.h"

SpeakerMacFamily speakerFamily(const QString &identifier)
{
    if (identifier.startsWith(QLatin1String("MacBookPro")))
        return SpeakerMacFamily::pro;
    if (identifier.startsWith(QLatin1String("MacBookAir")))
        return SpeakerMacFamily::air;
    return SpeakerMacFamily::neo;
}

QString displayName(SpeakerMacFamily family)
{
    switch (family) {
    case SpeakerMacFamily::pro: return QStringLiteral("MacBook Pro");
    case SpeakerMacFamily::air: return QStringLiteral("MacBook Air");
    case SpeakerMacFamily::neo: break;
    }
    return QStringLiteral("MacBook / MacBook Neo");
}

QUrl speakerRepairPage(SpeakerMacFamily family)
{
    switch (family) {
    case SpeakerMacFamily::pro: return sitePage("/macbook-pro-lautsprecher-reparatur/");
    case SpeakerMacFamily::air: return sitePage("/macbook-air-lautsprecher-reparatur/");
    case SpeakerMacFamily::neo: break;
    }
    return sitePage("/macbook-neo-lautsprecher-reparatur/");
}

QString SpeakerMacModelInfo::displayName() const
{
    const QString name = ::displayName(family);
    if (identifier == QLatin1String("Unbekannt"))
        return name;
    return name + QStringLiteral(" · ") + identifier;
}

SpeakerMacModelInfo readSpeakerMacModel(const SystemControl &systemControl)
{
    QString identifier = systemControl.text("hw.model").value_or(QString());
    if (identifier.isEmpty())
        identifier = QStringLiteral("Unbekannt");
    return {identifier, speakerFamily(identifier)};
}
