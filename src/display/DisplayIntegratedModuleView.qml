import QtQuick
import QtQuick.Window
import Quarzlinde

// The display check in the frame of the smaller modules.
Item {
    id: view
    required property DisplayDiagnosticViewModel model
    // The shell's way out of the module, a function.
    required property var backAction

    AdditionalModuleFrame {
        anchors.fill: parent
        model: view.model
        backAction: view.backAction
        hasResult: view.model.hasResult

        eyebrow: "DISPLAY CHECK"
        title: "Bildschirm prüfen"
        subtitle: "Mehrere Testfarben helfen dir, Pixelfehler, Flecken, Streifen und ungleichmäßige Bereiche sichtbar zu machen."
        symbol: "display"
        startTitle: "Display Check starten"

        runningContent: [
            QLDiagnosticHeader {
                width: parent.width
                eyebrow: "TEST " + (view.model.index + 1) + " VON " + view.model.patternCount
                title: "Testbild: " + view.model.patternName
                subtitle: "Schau auf das Display und achte auf Punkte, Flecken, Streifen, Flackern oder deutlich ungleichmäßige Bereiche."
            },
            ProgressBar {
                objectName: "patternProgress"
                width: parent.width
                tint: Qt.rgba(15 / 255, 96 / 255, 47 / 255, 1)
                value: (view.model.index + 1) / view.model.patternCount
            },
            DisplayPatternPreview {
                width: parent.width
                pattern: view.model.patternFill
            },
            QLSecondaryButton {
                objectName: "enlargePatternButton"
                anchors.horizontalCenter: parent.horizontalCenter
                title: "Testbild groß anzeigen"
                symbol: "arrow.up.left.and.arrow.down.right"
                action: () => view.model.showPatternWindow(view.model.index, view.Window.window)
            },
            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 14
                AnswerButton {
                    objectName: "answerNoIssue"
                    title: "Keine Auffälligkeit"
                    symbol: "checkmark.circle.fill"
                    tint: Colors.good
                    action: () => view.model.answer(false)
                }
                AnswerButton {
                    objectName: "answerIssue"
                    title: "Fehler sichtbar"
                    symbol: "exclamationmark.triangle.fill"
                    tint: Colors.problem
                    action: () => view.model.answer(true)
                }
            }
        ]

        resultTitle: "Display Check abgeschlossen"
        resultSubtitle: "Die Bewertung basiert auf deiner Sichtprüfung der Testbilder."
        verdict: view.model.result.verdict
        verdictTitle: view.model.result.title
        verdictText: view.model.result.text
        details: view.model.result.details
        resultContent: LinkButton {
            objectName: "displayRepairLink"
            anchors.horizontalCenter: parent.horizontalCenter
            visible: view.model.result.offersRepair
            title: "Passende Display Reparatur ansehen"
            url: view.model.result.repairPage
        }
    }

    // The one enlarged image, shown while the flow holds it open; it goes
    // with this screen.
    FullscreenPatternWindow {
        model: view.model
    }
}
