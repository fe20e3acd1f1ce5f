import QtQuick
import Quarzlinde

// The charger check in the frame of the smaller modules.
Item {
    id: view
    required property PowerDiagnosticViewModel model
    // The shell's way out of the module, a function.
    required property var backAction

    AdditionalModuleFrame {
        anchors.fill: parent
        model: view.model
        backAction: view.backAction
        hasResult: view.model.hasResult

        eyebrow: "LADEGERÄT & STROM"
        title: "Stromversorgung prüfen"
        subtitle: "Prüft, ob das MacBook eine externe Stromquelle erkennt und ob der Akku tatsächlich geladen wird."
        symbol: "bolt.circle"
        startTitle: "Stromversorgung prüfen"
        startSymbol: "bolt.fill"

        runningTitle: "Ladefunktion wird geprüft"
        runningSubtitle: view.model.progressText

        resultTitle: "Stromprüfung abgeschlossen"
        resultSubtitle: "Momentaufnahme der aktuell angeschlossenen Stromversorgung"
        verdict: view.model.result.verdict
        verdictTitle: view.model.result.title
        verdictText: view.model.result.explanation
        details: view.model.result.details
        resultRetryTitle: "Erneut prüfen"
        resultContent: PowerSupplyPanel {
            width: parent.width
            result: view.model.result
        }

        errorTitle: "Prüfung nicht möglich"
        errorText: view.model.errorMessage || "Die Stromversorgung konnte nicht gelesen werden."
    }
}
