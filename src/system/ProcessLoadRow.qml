import QtQuick
import Quarzlinde

// One flagged background process with its load.
Rectangle {
    id: row
    required property flaggedProcessRow process
    readonly property color tint: Colors.tint(process.tint)

    implicitHeight: Math.max(left.implicitHeight, right.implicitHeight) + 22
    radius: 12
    color: Qt.rgba(tint.r, tint.g, tint.b, 0.07)
    border.color: Qt.rgba(tint.r, tint.g, tint.b, 0.28)

    SymbolIcon {
        id: icon
        x: 14
        anchors.verticalCenter: parent.verticalCenter
        symbol: row.process.symbol
        size: 22
        color: row.tint
    }
    Column {
        id: left
        anchors.left: icon.right
        anchors.leftMargin: 12
        anchors.right: right.left
        anchors.rightMargin: 12
        anchors.verticalCenter: parent.verticalCenter
        spacing: 3
        Row {
            spacing: 8
            Text {
                id: processName
                objectName: "processName"
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                text: row.process.name
                textFormat: Text.PlainText
                color: Colors.text
                font.pixelSize: 14
                font.weight: Font.DemiBold
            }
            Text {
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                text: row.process.originLabel
                textFormat: Text.PlainText
                color: Colors.secondaryText
                font.pixelSize: 12
                anchors.baseline: processName.baseline
            }
        }
        Text {
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            visible: row.process.note !== ""
            width: parent.width
            wrapMode: Text.WordWrap
            text: row.process.note
            textFormat: Text.PlainText
            color: Colors.neutral
            font.pixelSize: 11
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
    Column {
        id: right
        anchors.right: parent.right
        anchors.rightMargin: 14
        anchors.verticalCenter: parent.verticalCenter
        spacing: 3
        Text {
            objectName: "processAverage"
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            anchors.right: parent.right
            text: row.process.average
            textFormat: Text.PlainText
            color: row.tint
            font.pixelSize: 15
            font.weight: Font.Bold
        }
        Text {
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            anchors.right: parent.right
            text: row.process.peak
            textFormat: Text.PlainText
            color: Colors.secondaryText
            font.pixelSize: 12
        }
    }
}
