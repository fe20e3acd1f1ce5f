#include "IcnsWriter.h"

#include <QFile>

#include <cstdio>

// Build tool: make-icns <image.svg> <icon.icns>
int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fputs("usage: make-icns <image.svg> <icon.icns>\n", stderr);
        return 2;
    }
    const QByteArray icon = icnsFromSvg(QString::fromLocal8Bit(argv[1]));
    QFile output(QString::fromLocal8Bit(argv[2]));
    if (icon.isEmpty() || !output.open(QIODevice::WriteOnly) || output.write(icon) != icon.size()) {
        std::fprintf(stderr, "make-icns: cannot turn %s into %s\n", argv[1], argv[2]);
        return 1;
    }
    return 0;
}
