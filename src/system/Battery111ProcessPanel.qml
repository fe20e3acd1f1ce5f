import QtQuick

// The background-load half of the system result.
ScreenCard {
    id: panel
    property var report
    property var evaluation
    property bool onBattery: true
    property color tint: Colors.neutral
    property var copyAction
    property bool expanded: false

    implicitHeight: column.implicitHeight + 44

    Column {
        id: column
        x: 22
        y: 22
        width: panel.width - 44
        spacing: 12

        PanelHeader {
            width: parent.width
            title: "Akku- & hardware-relevante Hintergrundlast"
            status: panel.evaluation.label
            tint: panel.tint
        }
        Row {
            spacing: 14
            Battery111Pill {
                objectName: "powerStatePill"
                symbol: panel.onBattery ? "battery.75" : "powerplug"
                text: panel.onBattery ? "Akkubetrieb" : "Netzbetrieb"
            }
            Battery111Pill {
                symbol: "arrow.triangle.2.circlepath"
                text: "CPU-Last mehrfach gemessen"
            }
        }
        Text {
            objectName: "measurementLine"
            text: panel.report.measurement
            color: Colors.secondaryText
            font.pixelSize: 13
        }
        Repeater {
            model: panel.evaluation.flagged
            ProcessLoadRow {
                objectName: "flaggedProcess" + index
                width: column.width
                process: modelData
            }
        }
        Column {
            objectName: "noFlaggedProcesses"
            visible: panel.evaluation.flagged.length === 0
            width: parent.width
            spacing: 4
            Text {
                text: "Keine relevante dauerhafte Hintergrundlast erkannt"
                color: Colors.text
                font.pixelSize: 15
                font.weight: Font.DemiBold
            }
            Text {
                width: parent.width
                wrapMode: Text.WordWrap
                text: "Es wurde kein Hintergrund- oder Systemprozess mit anhaltend hoher, für Akku oder Thermik relevanter CPU-Last erkannt."
                color: Colors.secondaryText
                font.pixelSize: 13
            }
        }
        Row {
            spacing: 10
            SecondaryActionButton {
                objectName: "processListToggle"
                title: panel.expanded ? "Weniger" : "Relevante Prozesse"
                symbol: panel.expanded ? "chevron.up" : "chevron.down"
                action: () => { panel.expanded = !panel.expanded }
            }
            CopyButton {
                objectName: "copyProcessesButton"
                copyTitle: "Prozessdaten kopieren"
                copyAction: panel.copyAction
            }
        }
        Column {
            objectName: "processList"
            visible: panel.expanded
            width: parent.width
            spacing: 8
            Text {
                objectName: "noProcessesNote"
                visible: processRows.count === 0
                text: "Es wurden keine akku- oder thermikrelevanten Hintergrundprozesse gefunden."
                color: Colors.secondaryText
                font.pixelSize: 13
            }
            Repeater {
                id: processRows
                model: panel.expanded ? panel.evaluation.relevant : []
                ProcessCompactRow {
                    process: modelData
                }
            }
        }
        Text {
            width: parent.width
            wrapMode: Text.WordWrap
            color: Colors.secondaryText
            font.pixelSize: 12
            text: "Hinweis: Dieser Bereich bewertet bewusst nur Hintergrund-, Helper- und Systemprozesse mit Akku-/Thermik-Relevanz. Normale Benutzer-Apps werden nicht als Problem bewertet. Auch ein markierter Prozess ist nicht automatisch fehlerhaft oder schädlich."
        }
    }
}
