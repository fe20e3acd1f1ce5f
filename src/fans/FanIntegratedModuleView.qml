import QtQuick
import Quarzlinde

// The fan check in the frame of the smaller modules.
Item {
    id: view
    required property FanDiagnosticViewModel model
    // The shell's way out of the module, a function.
    required property var backAction

    AdditionalModuleFrame {
        anchors.fill: parent
        model: view.model
        backAction: view.backAction
        hasResult: view.model.hasResult

        eyebrow: "LÜFTER CHECK"
        title: "Lüfter & Kühlung prüfen"
        subtitle: "Liest vorhandene Lüfterdrehzahlen aus und betrachtet sie zusammen mit der aktuellen Temperatur. Lüfter werden nicht gesteuert oder verändert."
        symbol: "fan"
        startTitle: "Lüfter Check starten"

        runningTitle: "Kühlsystem wird geprüft"
        runningSubtitle: "Lüfter und Temperatur werden gemeinsam betrachtet."

        resultTitle: "Lüfter & Kühlung"
        resultSubtitle: "Bei lüfterlosen MacBooks ist es normal, dass keine Lüfterdrehzahl vorhanden ist."
        verdict: view.model.result.verdict
        verdictTitle: view.model.result.title
        verdictText: view.model.result.explanation
        details: view.model.result.details
        resultContent: LinkButton {
            objectName: "fanCleaningLink"
            anchors.horizontalCenter: parent.horizontalCenter
            visible: view.model.result.cleaningRecommended
            title: "Intensive Mac Reinigung ansehen"
            url: view.model.result.cleaningPage
        }
    }
}
