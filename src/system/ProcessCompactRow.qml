import QtQuick

// One relevant process in the expanded list.
Column {
    property var process
    spacing: 1
    Text {
        text: parent.process.name
        color: Colors.text
        font.pixelSize: 13
        font.weight: Font.Medium
    }
    Text {
        text: parent.process.details
        color: Colors.secondaryText
        font.pixelSize: 12
    }
}
