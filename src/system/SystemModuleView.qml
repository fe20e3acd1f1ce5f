pragma ComponentBehavior: Bound
import QtQuick
import Quarzlinde

// The temperature and system module: the screen follows the check's phase.
Item {
    id: view
    required property SystemDiagnosticViewModel model
    // The shell's way out of the module, a function; back() calls it.
    required property var backAction

    signal back()
    Component.onCompleted: view.back.connect(view.backAction)

    readonly property string screen: {
        switch (model.phaseName) {
        case "start": return "ready"
        case "checking": return "checking"
        case "result": return model.hasResult ? "result" : "error"
        default: return "error"
        }
    }

    // One Repeater per screen does a Loader's work: under Bound, Qt 6.4's
    // Loader cannot create the components of its file.
    Repeater {
        model: view.screen === "ready" ? 1 : 0
        ModuleReadyView {
            anchors.fill: parent
            eyebrow: "TEMPERATUR & SYSTEM"
            title: "Kühlung und Systemlast prüfen"
            text: "Temperatursensoren, thermischer macOS Status und nur akku- bzw. hardware-relevante Hintergrundaktivitäten werden über mehrere Messpunkte geprüft."
            symbol: "thermometer.medium"
            buttonTitle: "Temperatur & System Check starten"
            onButtonClicked: view.model.start()
            FadeIn on opacity {}
        }
    }
    Repeater {
        model: view.screen === "checking" ? 1 : 0
        Battery111CheckingView {
            anchors.fill: parent
            progress: view.model.progress
            progressText: view.model.progressText
            symbol: "thermometer.medium"
            FadeIn on opacity {}
            Battery111Pill { symbol: "thermometer.medium"; text: "Temperaturen" }
            Battery111Pill { symbol: "cpu"; text: "Hintergrundlast" }
        }
    }
    Repeater {
        model: view.screen === "result" ? 1 : 0
        SystemOnlyResultView {
            anchors.fill: parent
            result: view.model.result
            onBack: view.back()
            onCopyTemperatures: view.model.copyTemperatureSummary()
            onCopyProcesses: view.model.copyProcessSummary()
            FadeIn on opacity {}
        }
    }
    Repeater {
        model: view.screen === "error" ? 1 : 0
        Battery111ErrorView {
            anchors.fill: parent
            message: view.model.errorMessage || "Der Temperatur- & Systemcheck konnte nicht abgeschlossen werden."
            onRetry: view.model.start()
            onBack: view.back()
            FadeIn on opacity {}
        }
    }
}
