import QtQuick
import Quarzlinde

// One direction's median speed on the result.
ScreenCard {
    id: card
    property string title
    // "2800 MB/s" or "Nicht verfügbar".
    property string speed
    property string symbol

    implicitWidth: 220
    implicitHeight: column.implicitHeight + 32

    Column {
        id: column
        anchors.centerIn: parent
        spacing: 6
        SymbolIcon {
            anchors.horizontalCenter: parent.horizontalCenter
            symbol: card.symbol
            size: 24
            color: Colors.good
        }
        Text {
            objectName: "speedCardValue"
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            anchors.horizontalCenter: parent.horizontalCenter
            textFormat: Text.PlainText
            text: card.speed
            color: Colors.text
            font.pixelSize: 22
            font.weight: Font.Bold
        }
        Text {
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            anchors.horizontalCenter: parent.horizontalCenter
            textFormat: Text.PlainText
            text: card.title
            color: Colors.secondaryText
            font.pixelSize: 13
        }
    }
}
