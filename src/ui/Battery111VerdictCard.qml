import QtQuick
import Quarzlinde

// The verdict of a result, in its tint.
Rectangle {
    id: card
    property string eyebrow
    property string title
    property string text
    property string symbol
    property color tint: Colors.neutral

    // Read as one, and read out when it appears.
    Accessible.role: Announcer.role
    Accessible.name: eyebrow + ": " + title
    Accessible.description: text
    Component.onCompleted: Announcer.announce(card)
    onVisibleChanged: if (visible) Announcer.announce(card)

    implicitHeight: Math.max(badge.height, column.implicitHeight) + 44
    radius: 18
    color: Qt.rgba(tint.r, tint.g, tint.b, 0.09)
    border.color: Qt.rgba(tint.r, tint.g, tint.b, 0.35)

    Rectangle {
        id: badge
        anchors.left: parent.left
        anchors.leftMargin: 22
        anchors.verticalCenter: parent.verticalCenter
        width: 62
        height: 62
        radius: 31
        color: card.tint
        SymbolIcon {
            anchors.centerIn: parent
            symbol: card.symbol
            size: 34
            color: "white"
        }
    }
    Column {
        id: column
        anchors.left: badge.right
        anchors.leftMargin: 18
        anchors.right: parent.right
        anchors.rightMargin: 22
        anchors.verticalCenter: parent.verticalCenter
        spacing: 5
        Text {
            Accessible.ignored: true
            text: card.eyebrow
            textFormat: Text.PlainText
            color: card.tint
            font.pixelSize: 12
            font.weight: Font.Bold
            font.letterSpacing: 1.2
        }
        Text {
            Accessible.ignored: true
            objectName: "verdictTitle"
            width: parent.width
            wrapMode: Text.WordWrap
            text: card.title
            textFormat: Text.PlainText
            color: Colors.text
            font.pixelSize: 21
            font.weight: Font.Bold
        }
        Text {
            Accessible.ignored: true
            objectName: "verdictText"
            width: parent.width
            wrapMode: Text.WordWrap
            text: card.text
            textFormat: Text.PlainText
            color: Colors.secondaryText
            font.pixelSize: 14
            lineHeight: 1.15
        }
    }
}
