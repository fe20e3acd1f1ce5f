import QtQuick
import QtQuick.Controls.impl

// A system symbol drawn in one colour.
IconImage {
    property string symbol
    property real size: 20

    width: size
    height: size
    sourceSize.width: size
    sourceSize.height: size
    source: Symbols.source(symbol)
    mirror: Symbols.isMirrored(symbol)
    color: Colors.text
    fillMode: Image.PreserveAspectFit
}
