#pragma once

#include <QByteArray>
#include <QString>

// An Apple icon file holding PNG renderings of an SVG image at every size a
// bundle icon needs (16 to 512 points, single and double resolution); empty
// when the image cannot be read.
QByteArray icnsFromSvg(const QString &svgPath);
