pragma ComponentBehavior: Bound
import QtQuick

// One row of the keyboard.
Row {
    id: row
    property var keys: []
    property var pressedCodes: []
    property real unit: 36

    spacing: 4
    Repeater {
        model: row.keys
        KeyboardKeyView {
            required property var modelData
            objectName: "key_" + modelData.code
            label: modelData.label
            keyWidth: modelData.width
            unit: row.unit
            isPressed: row.pressedCodes.indexOf(modelData.code) >= 0
        }
    }
}
