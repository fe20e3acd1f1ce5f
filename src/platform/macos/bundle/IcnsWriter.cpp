#include "IcnsWriter.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

namespace {

struct IconSlot
{
    const char *type;
    int pixels;
};

// The PNG slots of the format, each named by its four-character type.
constexpr IconSlot iconSlots[] = {
    {"ic11", 32},  {"ic12", 64},  {"ic07", 128}, {"ic13", 256},
    {"ic08", 256}, {"ic14", 512}, {"ic09", 512}, {"ic10", 1024},
};

void appendBigEndian(QByteArray &bytes, quint32 value)
{
    char encoded[4];
    qToBigEndian(value, encoded);
    bytes.append(encoded, 4);
}

} // namespace

QByteArray icnsFromSvg(const QString &svgPath)
{
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid())
        return {};
    QByteArray entries;
    for (const IconSlot &slot : iconSlots) {
        QImage image(slot.pixels, slot.pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG"))
            return {};
        entries.append(slot.type, 4);
        appendBigEndian(entries, quint32(png.size() + 8));
        entries.append(png);
    }
    QByteArray file("icns");
    appendBigEndian(file, quint32(entries.size() + 8));
    return file + entries;
}
