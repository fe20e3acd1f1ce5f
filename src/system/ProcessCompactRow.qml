import QtQuick
import Quarzlinde

// One relevant process in the expanded list.
Column {
    id: row
    required property processListRow process
    spacing: 1
    Text {
        objectName: "processListName"
        Accessible.role: Accessible.StaticText
        Accessible.name: text
        text: row.process.name
        textFormat: Text.PlainText
        color: Colors.text
        font.pixelSize: 13
        font.weight: Font.Medium
    }
    Text {
        Accessible.role: Accessible.StaticText
        Accessible.name: text
        text: row.process.details
        textFormat: Text.PlainText
        color: Colors.secondaryText
        font.pixelSize: 12
    }
}
