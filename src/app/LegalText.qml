import QtQuick

// A paragraph of the legal sheet.
Text {
    Accessible.role: Accessible.StaticText
    Accessible.name: text
    width: parent ? parent.width : implicitWidth
    wrapMode: Text.WordWrap
    color: Colors.secondaryText
    font.pixelSize: 13
    lineHeight: 1.15
    textFormat: Text.PlainText
}
