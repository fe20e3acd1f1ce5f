pragma ComponentBehavior: Bound
import QtQuick
import Quarzlinde

// A verdict with its title, explanation and one line per detail.
ScreenCard {
    id: card
    // A CustomerVerdict. Untyped: Qt 6.4's compiled bindings fail to read an
    // enum out of a value type into a typed property.
    property var verdict: CustomerVerdict.Unavailable
    property string title
    property string text
    property var details: []

    readonly property color tint: Colors.tint(CustomerVerdictLook.tint(verdict))

    // Read as one, and read out when it appears.
    Accessible.role: Announcer.role
    Accessible.name: title
    Accessible.description: card.details.length > 0 ? card.text + " " + card.details.join(" ") : card.text
    Component.onCompleted: Announcer.announce(card)
    onVisibleChanged: if (visible) Announcer.announce(card)

    implicitHeight: column.implicitHeight + 56
    border.color: Qt.rgba(tint.r, tint.g, tint.b, 0.35)

    Column {
        id: column
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.margins: 28
        spacing: 12

        SymbolIcon {
            objectName: "resultCardSymbol"
            anchors.horizontalCenter: parent.horizontalCenter
            symbol: CustomerVerdictLook.symbol(card.verdict)
            size: 56
            color: card.tint
        }
        Text {
            Accessible.ignored: true
            objectName: "resultCardTitle"
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: card.title
            textFormat: Text.PlainText
            color: Colors.text
            font.pixelSize: 22
            font.weight: Font.Bold
        }
        Text {
            Accessible.ignored: true
            objectName: "resultCardText"
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: card.text
            textFormat: Text.PlainText
            color: Colors.secondaryText
            font.pixelSize: 15
            lineHeight: 1.2
        }
        Column {
            objectName: "resultCardDetails"
            anchors.horizontalCenter: parent.horizontalCenter
            width: Math.min(parent.width, 460)
            topPadding: card.details.length > 0 ? 4 : 0
            spacing: 8
            Repeater {
                model: card.details
                Row {
                    id: line
                    required property string modelData
                    spacing: 9
                    SymbolIcon {
                        symbol: "checkmark.circle.fill"
                        size: 16
                        color: card.tint
                        anchors.verticalCenter: parent.verticalCenter
                    }
                    Text {
                        Accessible.ignored: true
                        objectName: "resultCardDetail"
                        width: column.width - 40
                        wrapMode: Text.WordWrap
                        text: line.modelData
                        textFormat: Text.PlainText
                        color: Colors.text
                        font.pixelSize: 14
                    }
                }
            }
        }
    }
}
