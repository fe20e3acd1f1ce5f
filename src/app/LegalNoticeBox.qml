import QtQuick

// A tinted box with symbol and title above its text.
Rectangle {
    id: box
    property string title
    property string systemImage
    property color tint: Colors.neutral
    default property alias content: body.data

    implicitHeight: column.implicitHeight + 28
    radius: 14
    color: Qt.rgba(tint.r, tint.g, tint.b, 0.08)
    border.color: Qt.rgba(tint.r, tint.g, tint.b, 0.3)

    Column {
        id: column
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.margins: 14
        spacing: 8
        Row {
            spacing: 8
            SymbolIcon {
                symbol: box.systemImage
                size: 20
                color: box.tint
                anchors.verticalCenter: parent.verticalCenter
            }
            Text {
                text: box.title
                Accessible.role: Accessible.Heading
                Accessible.name: text
                textFormat: Text.PlainText
                color: Colors.text
                font.pixelSize: 15
                font.weight: Font.Bold
                anchors.verticalCenter: parent.verticalCenter
            }
        }
        Column {
            id: body
            width: parent.width
            spacing: 8
        }
    }
}
