import QtQuick

// The hottest sensor of one category, tinted by its own reading.
Rectangle {
    id: card
    property string title
    property string value
    property string detail
    property color tint: Colors.neutral

    implicitHeight: column.implicitHeight + 26
    radius: 14
    color: Qt.rgba(tint.r, tint.g, tint.b, 0.08)
    border.color: Qt.rgba(tint.r, tint.g, tint.b, 0.3)

    Column {
        id: column
        x: 14
        y: 13
        width: card.width - 28
        spacing: 4
        Text {
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            text: card.title
            textFormat: Text.PlainText
            color: Colors.secondaryText
            font.pixelSize: 12
            font.weight: Font.DemiBold
        }
        Text {
            objectName: "miniCardValue"
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            text: card.value
            textFormat: Text.PlainText
            color: card.tint
            font.pixelSize: 22
            font.weight: Font.Bold
        }
        Text {
            objectName: "miniCardDetail"
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            text: card.detail
            textFormat: Text.PlainText
            color: Colors.secondaryText
            font.pixelSize: 12
        }
    }
}
