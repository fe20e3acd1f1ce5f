import QtQuick
import Quarzlinde
import QtQuick.Controls

// The temperature and system result: both verdicts, the cleaning page when
// it is due, the temperature panel and the process panel.
Flickable {
    id: view
    objectName: "systemResult"
    // The reports and evaluations as published by the system check.
    property var thermal
    property var thermalEvaluation
    property var processReport
    property var processEvaluation
    property bool onBattery: true
    property var backAction
    property var copyTemperatureAction
    property var copyProcessAction

    readonly property var thermalLook: ({
        good: { title: "Temperaturen unauffällig", symbol: "thermometer.low", tint: Colors.good },
        elevated: { title: "Temperaturen erhöht", symbol: "thermometer.medium", tint: Colors.warning },
        cleaningNeeded: { title: "Reinigung notwendig", symbol: "thermometer.high", tint: Colors.problem },
        unavailable: { title: "Temperaturen nicht verfügbar", symbol: "questionmark.circle", tint: Colors.neutral }
    })[thermalEvaluation.verdict]
    readonly property var loadLook: ({
        good: { title: "Hintergrundlast unauffällig", symbol: "checkmark.circle", tint: Colors.good },
        elevated: { title: "Akku-relevante Hintergrundlast", symbol: "cpu", tint: Colors.warning },
        heavy: { title: "Starke Hintergrundlast erkannt", symbol: "exclamationmark.triangle", tint: Colors.problem },
        unavailable: { title: "Hintergrundlast nicht verfügbar", symbol: "questionmark.circle", tint: Colors.neutral }
    })[processEvaluation.verdict]

    contentHeight: column.implicitHeight + 56
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    ScrollBar.vertical: ScrollBar {}

    Column {
        id: column
        x: 28
        y: 28
        width: view.width - 56
        spacing: 18

        ResultHeader {
            width: parent.width
            title: "Temperatur & System Check abgeschlossen"
            subtitle: "Kühlung, Temperatursensoren und relevante Hintergrundaktivitäten"
            backAction: view.backAction
        }
        Row {
            id: verdicts
            width: parent.width
            spacing: 14
            readonly property real cardWidth: (width - spacing) / 2
            readonly property real cardHeight: Math.max(thermalCard.implicitHeight, loadCard.implicitHeight)

            Battery111VerdictCard {
                id: thermalCard
                objectName: "thermalVerdictCard"
                width: verdicts.cardWidth
                height: verdicts.cardHeight
                eyebrow: "TEMPERATUR"
                title: view.thermalLook.title
                text: view.thermalEvaluation.explanation
                symbol: view.thermalLook.symbol
                tint: view.thermalLook.tint
            }
            Battery111VerdictCard {
                id: loadCard
                objectName: "loadVerdictCard"
                width: verdicts.cardWidth
                height: verdicts.cardHeight
                eyebrow: "SYSTEMLAST"
                title: view.loadLook.title
                text: view.processEvaluation.explanation
                symbol: view.loadLook.symbol
                tint: view.loadLook.tint
            }
        }
        ProminentButton {
            objectName: "cleaningButton"
            visible: view.thermalEvaluation.verdict === "cleaningNeeded"
            title: "Intensive Mac Reinigung ansehen"
            font.weight: Font.DemiBold
            leadingSymbol: "sparkles"
            trailingSymbol: "arrow.up.right"
            tint: Colors.problem
            onClicked: LinkOpener.open(view.thermalEvaluation.cleaningPage)
        }
        Battery111TemperaturePanel {
            width: parent.width
            report: view.thermal
            statusTitle: view.thermalLook.title
            tint: view.thermalLook.tint
            copyAction: view.copyTemperatureAction
        }
        Battery111ProcessPanel {
            width: parent.width
            report: view.processReport
            evaluation: view.processEvaluation
            onBattery: view.onBattery
            tint: view.loadLook.tint
            copyAction: view.copyProcessAction
        }
        Text {
            objectName: "systemClosingNote"
            width: parent.width
            wrapMode: Text.WordWrap
            color: Colors.secondaryText
            font.pixelSize: 12
            text: "Temperaturen und Prozesslast sind Momentaufnahmen. Die Reinigungs-Empfehlung verwendet Quarzlinde-Prüfgrenzen. Die Prozessanalyse berücksichtigt ausschließlich anhaltend hohe, für Akku, Wärmeentwicklung oder Hardware relevante Hintergrundlast; normale Vordergrund-Apps werden nicht pauschal als Fehler gewertet."
        }
    }
}
