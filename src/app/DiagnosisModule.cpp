#include "app/DiagnosisModule.h"

namespace {

struct Presentation
{
    const char *rawValue;
    const char *title;
    const char *eyebrow;
    const char *subtitle;
    const char *symbol;
};

const Presentation &presentation(DiagnosisModule module)
{
    static const Presentation table[] = {
        {"battery", "Akku Check", "BATTERIE", "Kapazität, Ladezyklen & Akkuzustand", "battery.75"},
        {"system", "Temperatur & System", "THERMIK & SYSTEM", "Temperaturen, Kühlung & Hintergrundaktivität",
         "thermometer.medium"},
        {"power", "Ladegerät & Strom", "LADEN", "Ladegerät, Ladestatus & Stromaufnahme", "powerplug"},
        {"fans", "Lüfter Check", "KÜHLUNG", "Drehzahlen & Kühlverhalten", "fan"},
        {"usbC", "USB-C Anschlüsse", "ANSCHLÜSSE", "Controller & Ladefunktion je Anschluss", "cable.connector"},
        {"speakers", "Lautsprecher", "AUDIO", "Rechter & linker Audiokanal", "speaker.wave.2"},
        {"display", "Display Check", "BILDSCHIRM", "Pixel, Flecken, Streifen & Ausleuchtung", "display"},
        {"input", "Tastatur & Trackpad", "EINGABE", "Tasten, Klicks, Scrollen & Gesten", "keyboard"},
        {"media", "Kamera & Mikrofon", "KAMERA & TON", "Livebild & Mikrofonpegel", "video.and.waveform"},
        {"storage", "SSD & Speicher", "SPEICHER", "Freier Speicher, SMART & SSD-Speedtest", "internaldrive"},
    };
    return table[static_cast<int>(module)];
}

} // namespace

const QList<DiagnosisModule> &allDiagnosisModules()
{
    static const QList<DiagnosisModule> modules {
        DiagnosisModule::battery, DiagnosisModule::system,   DiagnosisModule::power,   DiagnosisModule::fans,
        DiagnosisModule::usbC,    DiagnosisModule::speakers, DiagnosisModule::display, DiagnosisModule::input,
        DiagnosisModule::media,   DiagnosisModule::storage,
    };
    return modules;
}

QString rawValue(DiagnosisModule module)
{
    return QString::fromLatin1(presentation(module).rawValue);
}

std::optional<DiagnosisModule> diagnosisModule(const QString &rawValue)
{
    for (DiagnosisModule module : allDiagnosisModules()) {
        if (rawValue == QLatin1String(presentation(module).rawValue))
            return module;
    }
    return std::nullopt;
}

QString title(DiagnosisModule module)
{
    return QString::fromUtf8(presentation(module).title);
}
QString eyebrow(DiagnosisModule module)
{
    return QString::fromUtf8(presentation(module).eyebrow);
}
QString subtitle(DiagnosisModule module)
{
    return QString::fromUtf8(presentation(module).subtitle);
}
QString symbol(DiagnosisModule module)
{
    return QString::fromLatin1(presentation(module).symbol);
}
