pragma ComponentBehavior: Bound
import QtQuick
import Quarzlinde

// The battery module: the screen follows the check's phase.
Item {
    id: view
    required property BatteryDiagnosticViewModel model
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
            eyebrow: "AKKU CHECK"
            title: "MacBook Akku prüfen"
            text: "Restkapazität, Ladezyklen, aktuelle und ursprüngliche Kapazität sowie der macOS Batteriestatus werden lokal ausgelesen."
            symbol: "battery.75"
            buttonTitle: "Akku Diagnose starten"
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
            symbol: "battery.75"
            FadeIn on opacity {}
            Battery111Pill { symbol: "percent"; text: "Restkapazität" }
            Battery111Pill { symbol: "arrow.triangle.2.circlepath"; text: "Ladezyklen" }
        }
    }
    Repeater {
        model: view.screen === "result" ? 1 : 0
        BatteryOnlyResultView {
            anchors.fill: parent
            result: view.model.result
            onBack: view.back()
            FadeIn on opacity {}
        }
    }
    Repeater {
        model: view.screen === "error" ? 1 : 0
        Battery111ErrorView {
            anchors.fill: parent
            message: view.model.errorMessage || "Die Akku-Diagnose konnte nicht abgeschlossen werden."
            onRetry: view.model.start()
            onBack: view.back()
            FadeIn on opacity {}
        }
    }
}
