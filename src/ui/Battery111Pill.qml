import QtQuick

// A small capsule with a symbol and a word.
Rectangle {
    id: pill
    property string symbol
    property string text

    implicitWidth: row.implicitWidth + 28
    implicitHeight: 34
    radius: height / 2
    color: "#e8f1eb"

    Row {
        id: row
        anchors.centerIn: parent
        spacing: 7
        SymbolIcon {
            symbol: pill.symbol
            size: 16
            color: Colors.good
            anchors.verticalCenter: parent.verticalCenter
        }
        Text {
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            text: pill.text
            textFormat: Text.PlainText
            color: Colors.text
            font.pixelSize: 13
            font.weight: Font.Medium
            anchors.verticalCenter: parent.verticalCenter
        }
    }
}
