import QtQuick

// One of the sidebar's four steps; stepState is "active", "completed" or "upcoming"
// (Item already has a property named state).
Row {
    id: row
    property int number
    property string title
    property string subtitle
    property string stepState: "upcoming"
    // How many steps there are.
    property int count: 4

    readonly property real textOpacity: stepState === "active" ? 1 : stepState === "completed" ? 0.72 : 0.37

    spacing: 12

    // Read as one line: where the diagnosis stands.
    Accessible.role: Accessible.ListItem
    Accessible.name: "Schritt " + number + " von " + count + ", "
                     + (stepState === "active" ? "aktiv" : stepState === "completed" ? "erledigt" : "ausstehend")
    Accessible.description: title + ", " + subtitle.replace("\n", " ")

    Rectangle {
        objectName: "stepBadge"
        width: 30
        height: 30
        radius: 15
        color: row.stepState === "active" ? "white" : Qt.rgba(1, 1, 1, row.stepState === "completed" ? 0.22 : 0.1)
        border.color: Qt.rgba(1, 1, 1, row.textOpacity)
        Behavior on color { ColorAnimation { duration: 200 } }

        Text {

            Accessible.ignored: true
            objectName: "stepNumber"
            visible: row.stepState !== "completed"
            anchors.centerIn: parent
            text: row.number
            textFormat: Text.PlainText
            color: row.stepState === "active" ? Colors.windowBackground : "white"
            opacity: row.stepState === "active" ? 1 : row.textOpacity
            font.pixelSize: 14
            font.weight: Font.Bold
        }
        SymbolIcon {
            Accessible.ignored: true
            objectName: "stepCheckmark"
            visible: row.stepState === "completed"
            anchors.centerIn: parent
            symbol: "checkmark"
            size: 18
            color: "white"
        }
    }
    Column {
        spacing: 2
        opacity: row.textOpacity
        Behavior on opacity { NumberAnimation { duration: 200 } }
        Text {
            Accessible.ignored: true
            text: row.title
            textFormat: Text.PlainText
            color: "white"
            font.pixelSize: 15
            font.weight: Font.DemiBold
        }
        Text {
            Accessible.ignored: true
            text: row.subtitle
            textFormat: Text.PlainText
            color: "white"
            font.pixelSize: 12
            lineHeight: 1.1
        }
    }
}
