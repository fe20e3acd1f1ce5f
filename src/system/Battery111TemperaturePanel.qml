pragma ComponentBehavior: Bound
import QtQuick
import Quarzlinde

// The temperature half of the system result.
ScreenCard {
    id: panel
    required property temperatureOverview overview
    // The temperature verdict's look, shown as the panel's status.
    required property verdictLook look
    property bool expanded: false

    signal copy()

    implicitHeight: column.implicitHeight + 44

    Column {
        id: column
        x: 22
        y: 22
        width: panel.width - 44
        spacing: 14

        PanelHeader {
            width: parent.width
            title: "Temperaturen im MacBook"
            status: panel.look.title
            tint: Colors.tint(panel.look.tint)
        }
        Row {
            spacing: 8
            Text {
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                text: "macOS Thermal State"
                color: Colors.secondaryText
                font.pixelSize: 14
            }
            Text {
                objectName: "thermalStateValue"
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                text: panel.overview.thermalState
                textFormat: Text.PlainText
                color: Colors.text
                font.pixelSize: 14
                font.weight: Font.DemiBold
            }
        }
        Grid {
            id: cards
            width: parent.width
            columns: 4
            columnSpacing: 10
            readonly property real cellWidth: (width - 3 * columnSpacing) / 4
            Repeater {
                model: panel.overview.cards
                TemperatureMiniCard {
                    required property temperatureCard modelData
                    required property int index
                    objectName: "miniCard" + index
                    width: cards.cellWidth
                    title: modelData.title
                    value: modelData.value
                    detail: modelData.detail
                    tint: Colors.tint(modelData.tint)
                }
            }
        }
        Text {
            objectName: "sensorSummary"
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            width: parent.width
            wrapMode: Text.WordWrap
            color: Colors.text
            font.pixelSize: 14
            text: panel.overview.summary
            textFormat: Text.PlainText
        }
        Row {
            spacing: 10
            SecondaryActionButton {
                objectName: "sensorListToggle"
                title: panel.expanded ? "Weniger" : "Alle Sensoren"
                symbol: panel.expanded ? "chevron.up" : "chevron.down"
                accessibleDescription: panel.expanded ? "Schließt die Liste aller Sensoren"
                                                      : "Öffnet die Liste aller Sensoren"
                onClicked: panel.expanded = !panel.expanded
            }
            CopyButton {
                objectName: "copySensorsButton"
                copyTitle: "Sensordaten kopieren"
                onClicked: panel.copy()
            }
        }
        Column {
            id: sensorList
            objectName: "sensorList"
            visible: panel.expanded
            width: parent.width
            spacing: 6
            Text {
                objectName: "noSensorsNote"
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                visible: sensorRows.count === 0
                text: "Auf diesem Mac wurden keine auslesbaren Temperatursensoren gefunden."
                color: Colors.secondaryText
                font.pixelSize: 13
            }
            Repeater {
                id: sensorRows
                model: panel.expanded ? panel.overview.sensors : []
                Item {
                    id: row
                    required property sensorRow modelData
                    required property int index
                    objectName: "sensor" + index
                    width: sensorList.width
                    height: sensorName.implicitHeight + sensorDetails.implicitHeight + 10
                    Text {
                        id: sensorName
                        objectName: "sensorName"
                        Accessible.role: Accessible.StaticText
                        Accessible.name: text
                        text: row.modelData.name
                        textFormat: Text.PlainText
                        color: Colors.text
                        font.pixelSize: 14
                        font.weight: Font.Medium
                    }
                    Text {
                        id: sensorDetails
                        Accessible.role: Accessible.StaticText
                        Accessible.name: text
                        anchors.top: sensorName.bottom
                        text: row.modelData.details
                        textFormat: Text.PlainText
                        color: Colors.secondaryText
                        font.pixelSize: 12
                    }
                    Text {
                        Accessible.role: Accessible.StaticText
                        Accessible.name: text
                        anchors.right: parent.right
                        anchors.verticalCenter: parent.verticalCenter
                        text: row.modelData.average
                        textFormat: Text.PlainText
                        color: Colors.text
                        font.pixelSize: 14
                        font.weight: Font.DemiBold
                    }
                }
            }
        }
    }
}
