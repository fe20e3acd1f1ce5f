import QtQuick
import Quarzlinde

// One direction's speed while the test runs.
Rectangle {
    id: live
    property string symbol
    property string title
    property string value

    implicitWidth: 200
    implicitHeight: 64
    radius: 14
    color: Colors.panel
    border.color: Colors.cardBorder

    Row {
        anchors.centerIn: parent
        spacing: 12
        SymbolIcon {
            anchors.verticalCenter: parent.verticalCenter
            symbol: live.symbol
            size: 22
            color: Colors.good
        }
        Column {
            anchors.verticalCenter: parent.verticalCenter
            Text {
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                text: live.title
                textFormat: Text.PlainText
                color: Colors.secondaryText
                font.pixelSize: 12
            }
            Text {
                objectName: "liveValue"
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                textFormat: Text.PlainText
                text: live.value
                color: Colors.text
                font.pixelSize: 18
                font.weight: Font.Bold
            }
        }
    }
}
