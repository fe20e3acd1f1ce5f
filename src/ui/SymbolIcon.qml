import QtQuick
import QtQuick.Controls.impl

// A system symbol drawn in one colour.
IconImage {
    property string symbol
    property real size: 20

    width: size
    height: size
    sourceSize: Qt.size(size, size)
    source: Symbols.source(symbol)
    mirror: Symbols.isMirrored(symbol)
    color: Colors.text
    fillMode: Image.PreserveAspectFit
}
