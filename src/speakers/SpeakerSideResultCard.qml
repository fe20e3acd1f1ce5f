import QtQuick
import Quarzlinde

// One speaker's answer on the result screen.
ScreenCard {
    id: card
    property string title
    required property verdictLook look

    readonly property color tint: Colors.tint(look.tint)

    implicitHeight: row.implicitHeight + 36

    Row {
        id: row
        anchors.left: parent.left
        anchors.leftMargin: 18
        anchors.right: parent.right
        anchors.rightMargin: 18
        anchors.verticalCenter: parent.verticalCenter
        spacing: 14
        SymbolIcon {
            anchors.verticalCenter: parent.verticalCenter
            symbol: card.look.symbol
            size: 34
            color: card.tint
        }
        Column {
            anchors.verticalCenter: parent.verticalCenter
            width: row.width - 48
            spacing: 4
            Text {
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                text: card.title
                textFormat: Text.PlainText
                color: Colors.secondaryText
                font.pixelSize: 13
                font.weight: Font.DemiBold
            }
            Text {
                objectName: "speakerSideAnswer"
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                width: parent.width
                wrapMode: Text.WordWrap
                text: card.look.title
                textFormat: Text.PlainText
                color: card.tint
                font.pixelSize: 17
                font.weight: Font.Bold
            }
        }
    }
}
