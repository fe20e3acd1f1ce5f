#include "support/FakeApplesmc.h"

void addIntelMacBookProApplesmc(const FakeTree &tree)
{
    const QString device = QLatin1String(applesmcDirectory);
    tree.write(device + QStringLiteral("/name"), "applesmc\n");
    const std::pair<const char *, const char *> channels[] = {
        {"TB0T", "26250"},   {"TB1T", "25750"}, {"TC0E", "60000"}, {"TC0P", "57750"}, {"TG0P", "52000"},
        {"TH0c", "-127000"}, {"TM0P", "45500"}, {"Ts0P", "31000"}, {"TW0P", "40250"}, {"TCTD", "0"},
    };
    int channel = 1;
    for (const auto &[key, milliCelsius] : channels) {
        tree.write(device + QStringLiteral("/temp%1_label").arg(channel), QByteArray(key) + '\n');
        tree.write(device + QStringLiteral("/temp%1_input").arg(channel), QByteArray(milliCelsius) + '\n');
        ++channel;
    }
    tree.writeAttributes(device,
                         "fan1_label=Left side  \nfan1_input=2321\nfan1_min=2160\nfan1_max=6156\n"
                         "fan1_output=2304");
}
