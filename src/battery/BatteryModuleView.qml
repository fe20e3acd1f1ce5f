import QtQuick

// The battery module: the screen follows the check's phase.
Item {
    id: view
    property var model
    property var backAction

    readonly property string screen: {
        switch (model.phaseName) {
        case "start": return "ready"
        case "checking": return "checking"
        case "result": return model.batterySnapshot && model.batteryEvaluation ? "result" : "error"
        default: return "error"
        }
    }

    Loader {
        id: loader
        anchors.fill: parent
        sourceComponent: ({ ready: ready, checking: checking, result: result, error: error })[view.screen]
        onSourceComponentChanged: fadeIn.restart()
        NumberAnimation { id: fadeIn; target: loader; property: "opacity"; from: 0; to: 1; duration: 350; easing.type: Easing.InOutQuad }
    }

    Component {
        id: ready
        ModuleReadyView {
            eyebrow: "AKKU CHECK"
            title: "MacBook Akku prüfen"
            text: "Restkapazität, Ladezyklen, aktuelle und ursprüngliche Kapazität sowie der macOS Batteriestatus werden lokal ausgelesen."
            symbol: "battery.75"
            buttonTitle: "Akku Diagnose starten"
            buttonAction: () => view.model.start()
        }
    }
    Component {
        id: checking
        Battery111CheckingView {
            progress: view.model.progress
            progressText: view.model.progressText
            symbol: "battery.75"
            pillTexts: [["percent", "Restkapazität"], ["arrow.triangle.2.circlepath", "Ladezyklen"]]
        }
    }
    Component {
        id: result
        BatteryOnlyResultView {
            battery: view.model.batterySnapshot
            evaluation: view.model.batteryEvaluation
            backAction: view.backAction
        }
    }
    Component {
        id: error
        Battery111ErrorView {
            message: view.model.errorMessage || "Die Akku-Diagnose konnte nicht abgeschlossen werden."
            retryAction: () => view.model.start()
            resetAction: view.backAction
        }
    }
}
