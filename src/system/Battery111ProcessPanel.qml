pragma ComponentBehavior: Bound
import QtQuick
import Quarzlinde

// The background-load half of the system result.
ScreenCard {
    id: panel
    required property processLoadOverview overview
    // The load verdict's look, shown as the panel's status.
    required property verdictLook look
    property bool expanded: false

    signal copy()

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
            status: panel.look.title
            tint: Colors.tint(panel.look.tint)
        }
        Row {
            spacing: 14
            Battery111Pill {
                objectName: "powerStatePill"
                symbol: panel.overview.powerSymbol
                text: panel.overview.powerMode
            }
            Battery111Pill {
                symbol: "arrow.triangle.2.circlepath"
                text: "CPU-Last mehrfach gemessen"
            }
        }
        Text {
            objectName: "measurementLine"
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            text: panel.overview.measurement
            textFormat: Text.PlainText
            color: Colors.secondaryText
            font.pixelSize: 13
        }
        Repeater {
            model: panel.overview.flagged
            ProcessLoadRow {
                required property flaggedProcessRow modelData
                required property int index
                objectName: "flaggedProcess" + index
                width: column.width
                process: modelData
            }
        }
        Column {
            objectName: "noFlaggedProcesses"
            visible: panel.overview.flagged.length === 0
            width: parent.width
            spacing: 4
            Text {
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                text: "Keine relevante dauerhafte Hintergrundlast erkannt"
                color: Colors.text
                font.pixelSize: 15
                font.weight: Font.DemiBold
            }
            Text {
                Accessible.role: Accessible.StaticText
                Accessible.name: text
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
                accessibleDescription: panel.expanded ? "Schließt die Liste der relevanten Prozesse"
                                                      : "Öffnet die Liste der relevanten Prozesse"
                onClicked: panel.expanded = !panel.expanded
            }
            CopyButton {
                objectName: "copyProcessesButton"
                copyTitle: "Prozessdaten kopieren"
                onClicked: panel.copy()
            }
        }
        Column {
            objectName: "processList"
            visible: panel.expanded
            width: parent.width
            spacing: 8
            Text {
                objectName: "noProcessesNote"
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                visible: processRows.count === 0
                text: "Es wurden keine akku- oder thermikrelevanten Hintergrundprozesse gefunden."
                color: Colors.secondaryText
                font.pixelSize: 13
            }
            Repeater {
                id: processRows
                model: panel.expanded ? panel.overview.relevant : []
                ProcessCompactRow {
                    required property processListRow modelData
                    process: modelData
                }
            }
        }
        Text {
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            width: parent.width
            wrapMode: Text.WordWrap
            color: Colors.secondaryText
            font.pixelSize: 12
            text: "Hinweis: Dieser Bereich bewertet bewusst nur Hintergrund-, Helper- und Systemprozesse mit Akku-/Thermik-Relevanz. Normale Benutzer-Apps werden nicht als Problem bewertet. Auch ein markierter Prozess ist nicht automatisch fehlerhaft oder schädlich."
        }
    }
}
