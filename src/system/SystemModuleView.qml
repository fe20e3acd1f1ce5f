import QtQuick

// The temperature and system module: the screen follows the check's phase.
Item {
    id: view
    property var model
    property var backAction

    readonly property bool complete: !!(model.thermalReport && model.thermalEvaluation
                                        && model.processReport && model.processEvaluation)
    readonly property string screen: {
        switch (model.phaseName) {
        case "start": return "ready"
        case "checking": return "checking"
        case "result": return complete ? "result" : "error"
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
            eyebrow: "TEMPERATUR & SYSTEM"
            title: "Kühlung und Systemlast prüfen"
            text: "Temperatursensoren, thermischer macOS Status und nur akku- bzw. hardware-relevante Hintergrundaktivitäten werden über mehrere Messpunkte geprüft."
            symbol: "thermometer.medium"
            buttonTitle: "Temperatur & System Check starten"
            buttonAction: () => view.model.start()
        }
    }
    Component {
        id: checking
        Battery111CheckingView {
            progress: view.model.progress
            progressText: view.model.progressText
            symbol: "thermometer.medium"
            pillTexts: [["thermometer.medium", "Temperaturen"], ["cpu", "Hintergrundlast"]]
        }
    }
    Component {
        id: result
        SystemOnlyResultView {
            thermal: view.model.thermalReport
            thermalEvaluation: view.model.thermalEvaluation
            processReport: view.model.processReport
            processEvaluation: view.model.processEvaluation
            onBattery: view.model.onBattery
            backAction: view.backAction
            copyTemperatureAction: () => view.model.copyTemperatureSummary()
            copyProcessAction: () => view.model.copyProcessSummary()
        }
    }
    Component {
        id: error
        Battery111ErrorView {
            message: view.model.errorMessage || "Der Temperatur- & Systemcheck konnte nicht abgeschlossen werden."
            retryAction: () => view.model.start()
            resetAction: view.backAction
        }
    }
}
