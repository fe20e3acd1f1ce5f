import QtQuick

// A small tile with one measured value.
Rectangle {
    id: pill
    property string symbol
    property string value
    property string label

    Accessible.role: Accessible.StaticText
    Accessible.name: label + ": " + value

    implicitWidth: Math.max(128, column.implicitWidth + 32)
    implicitHeight: column.implicitHeight + 26
    radius: 14
    color: Colors.panel
    border.color: Colors.cardBorder

    Column {
        id: column
        anchors.centerIn: parent
        spacing: 5
        SymbolIcon {
            anchors.horizontalCenter: parent.horizontalCenter
            symbol: pill.symbol
            size: 20
            color: Colors.good
        }
        Text {
            Accessible.ignored: true
            objectName: "pillValue"
            anchors.horizontalCenter: parent.horizontalCenter
            text: pill.value
            textFormat: Text.PlainText
            color: Colors.text
            font.pixelSize: 19
            font.weight: Font.Bold
        }
        Text {
            Accessible.ignored: true
            anchors.horizontalCenter: parent.horizontalCenter
            text: pill.label
            textFormat: Text.PlainText
            color: Colors.secondaryText
            font.pixelSize: 12
        }
    }
}
