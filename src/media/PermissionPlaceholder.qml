import QtQuick
import Quarzlinde

// Stands where the camera picture would be when there is none to show.
Rectangle {
    id: placeholder
    property string symbol
    property string text

    radius: 14
    color: Colors.panel
    border.color: Colors.cardBorder

    Column {
        anchors.centerIn: parent
        spacing: 10
        SymbolIcon {
            anchors.horizontalCenter: parent.horizontalCenter
            symbol: placeholder.symbol
            size: 40
            color: Colors.neutral
        }
        Text {
            objectName: "cameraPlaceholderText"
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            anchors.horizontalCenter: parent.horizontalCenter
            text: placeholder.text
            textFormat: Text.PlainText
            color: Colors.secondaryText
            font.pixelSize: 15
            font.weight: Font.Medium
        }
    }
}
