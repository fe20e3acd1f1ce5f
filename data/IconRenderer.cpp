// Renders the app mark to the PNG sizes a Linux desktop looks up:
// IconRenderer <mark.svg> <output directory> <size>...
// writes <output directory>/<size>x<size>/apps/<name>.png for each size.
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s <mark.svg> <output directory> <icon name> <size>...\n", argv[0]);
        return 2;
    }
    QSvgRenderer mark(QString::fromLocal8Bit(argv[1]));
    if (!mark.isValid()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QString root = QString::fromLocal8Bit(argv[2]);
    const QString name = QString::fromLocal8Bit(argv[3]);
    for (int i = 4; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        if (size <= 0 || size > 1024) {
            std::fprintf(stderr, "not a size: %s\n", argv[i]);
            return 2;
        }
        QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
        icon.fill(Qt::transparent);
        QPainter painter(&icon);
        painter.setRenderHint(QPainter::Antialiasing);
        mark.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        const QString directory = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
        if (!QDir().mkpath(directory) || !icon.save(directory + QLatin1Char('/') + name + QStringLiteral(".png"))) {
            std::fprintf(stderr, "cannot write into %s\n", qPrintable(directory));
            return 1;
        }
    }
    return 0;
}
