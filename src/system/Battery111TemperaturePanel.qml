import QtQuick

// The temperature half of the system result.
ScreenCard {
    id: panel
    property var report
    property string statusTitle
    property color tint: Colors.neutral
    property var copyAction
    property bool expanded: false

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
            status: panel.statusTitle
            tint: panel.tint
        }
        Row {
            spacing: 8
            Text {
                text: "macOS Thermal State"
                color: Colors.secondaryText
                font.pixelSize: 14
            }
            Text {
                objectName: "thermalStateValue"
                text: panel.report.state
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
                model: panel.report.cards
                TemperatureMiniCard {
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
            width: parent.width
            wrapMode: Text.WordWrap
            color: Colors.text
            font.pixelSize: 14
            text: panel.report.hottest !== undefined
                  ? panel.report.hottest
                  : "Auf diesem Mac konnten keine einzelnen SMC-Sensoren gelesen werden. Der macOS Thermal State wird trotzdem berücksichtigt."
        }
        Row {
            spacing: 10
            SecondaryActionButton {
                objectName: "sensorListToggle"
                title: panel.expanded ? "Weniger" : "Alle Sensoren"
                symbol: panel.expanded ? "chevron.up" : "chevron.down"
                action: () => { panel.expanded = !panel.expanded }
            }
            CopyButton {
                objectName: "copySensorsButton"
                copyTitle: "Sensordaten kopieren"
                copyAction: panel.copyAction
            }
        }
        Column {
            objectName: "sensorList"
            visible: panel.expanded
            width: parent.width
            spacing: 6
            Text {
                objectName: "noSensorsNote"
                visible: sensorRows.count === 0
                text: "Auf diesem Mac wurden keine auslesbaren Temperatursensoren gefunden."
                color: Colors.secondaryText
                font.pixelSize: 13
            }
            Repeater {
                id: sensorRows
                model: panel.expanded ? panel.report.sensors : []
                Item {
                    width: parent.width
                    height: sensorName.implicitHeight + sensorDetails.implicitHeight + 10
                    Text {
                        id: sensorName
                        text: modelData.name
                        color: Colors.text
                        font.pixelSize: 14
                        font.weight: Font.Medium
                    }
                    Text {
                        id: sensorDetails
                        anchors.top: sensorName.bottom
                        text: modelData.details
                        color: Colors.secondaryText
                        font.pixelSize: 12
                    }
                    Text {
                        anchors.right: parent.right
                        anchors.verticalCenter: parent.verticalCenter
                        text: modelData.average
                        color: Colors.text
                        font.pixelSize: 14
                        font.weight: Font.DemiBold
                    }
                }
            }
        }
    }
}
