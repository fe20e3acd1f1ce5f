pragma ComponentBehavior: Bound
import QtQuick
import Quarzlinde

// The German MacBook keyboard with every recognised key lit, and the count.
ScreenCard {
    id: grid
    required property InputDiagnosticViewModel model
    // The width of a letter key, in points.
    property real unit: 36

    implicitHeight: column.implicitHeight + 36

    Column {
        id: column
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.margins: 18
        spacing: 12

        Item {
            width: parent.width
            height: caption.implicitHeight
            Text {
                id: caption
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                text: "Deutsche MacBook-Tastatur · QWERTZ"
                textFormat: Text.PlainText
                color: Colors.text
                font.pixelSize: 14
                font.weight: Font.DemiBold
            }
            Text {
                objectName: "keyCounter"
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                anchors.right: parent.right
                text: grid.model.recognisedKeyCount + " / " + grid.model.expectedKeyCount
                textFormat: Text.PlainText
                color: Colors.good
                font.pixelSize: 14
                font.weight: Font.Bold
            }
        }
        Column {
            spacing: 4
            Repeater {
                model: grid.model.keyRows
                KeyboardRowView {
                    required property var modelData
                    keys: modelData
                    pressedCodes: grid.model.pressedKeyCodes
                    unit: grid.unit
                }
            }
        }
    }
}
