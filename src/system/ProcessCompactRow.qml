import QtQuick
import Quarzlinde

// One relevant process in the expanded list.
Column {
    id: row
    required property processListRow process
    spacing: 1
    Text {
        objectName: "processListName"
        text: row.process.name
        color: Colors.text
        font.pixelSize: 13
        font.weight: Font.Medium
    }
    Text {
        text: row.process.details
        color: Colors.secondaryText
        font.pixelSize: 12
    }
}
