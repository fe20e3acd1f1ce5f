import QtQuick
import QtQuick.Controls
import Quarzlinde

// The temperature and system result: both verdicts, the cleaning page when
// it is due, the temperature panel and the process panel.
Flickable {
    id: view
    objectName: "systemResult"
    required property systemResult result

    signal back()
    signal copyTemperatures()
    signal copyProcesses()

    contentHeight: column.implicitHeight + 56
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    ScrollBar.vertical: ScrollBar { Accessible.name: "Bildlauf" }

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
            onBack: view.back()
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
                title: view.result.thermalLook.title
                text: view.result.thermalExplanation
                symbol: view.result.thermalLook.symbol
                tint: Colors.tint(view.result.thermalLook.tint)
            }
            Battery111VerdictCard {
                id: loadCard
                objectName: "loadVerdictCard"
                width: verdicts.cardWidth
                height: verdicts.cardHeight
                eyebrow: "SYSTEMLAST"
                title: view.result.loadLook.title
                text: view.result.loadExplanation
                symbol: view.result.loadLook.symbol
                tint: Colors.tint(view.result.loadLook.tint)
            }
        }
        ProminentButton {
            objectName: "cleaningButton"
            visible: view.result.offersCleaning
            title: "Intensive Mac Reinigung ansehen"
            font.weight: Font.DemiBold
            leadingSymbol: "sparkles"
            trailingSymbol: "arrow.up.right"
            tint: Colors.problem
            onClicked: LinkOpener.open(view.result.cleaningPage)
        }
        Battery111TemperaturePanel {
            width: parent.width
            overview: view.result.temperatures
            look: view.result.thermalLook
            onCopy: view.copyTemperatures()
        }
        Battery111ProcessPanel {
            width: parent.width
            overview: view.result.processes
            look: view.result.loadLook
            onCopy: view.copyProcesses()
        }
        Text {
            objectName: "systemClosingNote"
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            width: parent.width
            wrapMode: Text.WordWrap
            color: Colors.secondaryText
            font.pixelSize: 12
            text: "Temperaturen und Prozesslast sind Momentaufnahmen. Die Reinigungs-Empfehlung verwendet Quarzlinde-Prüfgrenzen. Die Prozessanalyse berücksichtigt ausschließlich anhaltend hohe, für Akku, Wärmeentwicklung oder Hardware relevante Hintergrundlast; normale Vordergrund-Apps werden nicht pauschal als Fehler gewertet."
        }
    }
}
