import QtQuick
import Quarzlinde

// One port's outcome.
ScreenCard {
    id: card
    property usbPortTestResult result

    readonly property color tint: result.failed ? Colors.problem : Colors.good

    objectName: "usbPortCard"
    implicitHeight: column.implicitHeight + 36

    Column {
        id: column
        x: 18
        y: 18
        width: card.width - 36
        spacing: 6

        Row {
            spacing: 10
            SymbolIcon {
                symbol: card.result.failed ? "xmark.circle.fill" : "checkmark.circle.fill"
                size: 26
                color: card.tint
                anchors.verticalCenter: parent.verticalCenter
            }
            Text {
                objectName: "usbPortCardHeading"
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                text: "USB-C Anschluss " + card.result.ordinal
                textFormat: Text.PlainText
                color: card.tint
                font.pixelSize: 13
                font.weight: Font.Bold
                anchors.verticalCenter: parent.verticalCenter
            }
        }
        Text {
            objectName: "usbPortCardTitle"
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            width: parent.width
            wrapMode: Text.WordWrap
            text: card.result.title
            textFormat: Text.PlainText
            color: Colors.text
            font.pixelSize: 17
            font.weight: Font.Bold
        }
        Text {
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            width: parent.width
            wrapMode: Text.WordWrap
            text: card.result.note
            textFormat: Text.PlainText
            color: Colors.secondaryText
            font.pixelSize: 14
        }
        Text {
            objectName: "usbPortCardWatts"
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            visible: card.result.wattsText !== ""
            text: card.result.wattsText
            textFormat: Text.PlainText
            color: Colors.good
            font.pixelSize: 14
            font.weight: Font.DemiBold
        }
    }
}
