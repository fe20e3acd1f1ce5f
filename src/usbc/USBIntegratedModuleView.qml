pragma ComponentBehavior: Bound
import QtQuick
import Quarzlinde

// The USB-C check: one screen per phase of its flow.
Item {
    id: view
    required property USBCheckViewModel model
    // The shell's way out of the module, a function; back() calls it.
    required property var backAction
    property string nextTitle: "Zur Testauswahl"
    property string nextSymbol: "square.grid.2x2"

    signal back()
    Component.onCompleted: view.back.connect(view.backAction)

    readonly property string screen: model.phaseName

    // One Repeater per screen does a Loader's work (see BatteryModuleView).
    Repeater {
        model: view.screen === "intro" ? 1 : 0
        ModuleReadyView {
            anchors.fill: parent
            eyebrow: "USB-C CHECK"
            title: "USB-C Anschlüsse prüfen"
            text: "Zuerst werden die erreichbaren USB-C Controller erkannt. Danach prüfst du jeden Anschluss nacheinander mit einem USB-C Netzteil."
            symbol: "cable.connector"
            buttonTitle: "USB-C Diagnose starten"
            onButtonClicked: view.model.start()
            FadeIn on opacity {}
        }
    }
    Repeater {
        model: view.screen === "controllerScan" ? 1 : 0
        CenteredProgressCard {
            objectName: "usbControllerScan"
            anchors.fill: parent
            symbol: "cable.connector"
            title: "USB-C Controller werden geprüft"
            text: "MacBook Modell, Controllerdienste und erwartete Anschlussanzahl werden ermittelt."
            FadeIn on opacity {}
        }
    }
    Repeater {
        model: view.screen === "controllerFailure" ? 1 : 0
        USBControllerFailureView {
            anchors.fill: parent
            repairPage: view.model.repairPage
            nextTitle: view.nextTitle
            nextSymbol: view.nextSymbol
            onNext: view.back()
            FadeIn on opacity {}
        }
    }
    Repeater {
        model: view.screen === "portPreparation" ? 1 : 0
        USBPortPreparationView {
            anchors.fill: parent
            machineLabel: view.model.machineLabel
            expectedPortCount: view.model.expectedPortCount
            notes: view.model.reportNotes
            onStartTests: view.model.startPortTests()
            FadeIn on opacity {}
        }
    }
    Repeater {
        model: view.screen === "portTesting" ? 1 : 0
        USBPortTestingView {
            anchors.fill: parent
            model: view.model
            nextTitle: view.nextTitle
            nextSymbol: view.nextSymbol
            onNext: view.back()
            FadeIn on opacity {}
        }
    }
    Repeater {
        model: view.screen === "evaluating" ? 1 : 0
        CenteredProgressCard {
            objectName: "usbEvaluating"
            anchors.fill: parent
            symbol: "checkmark.shield"
            title: "USB-C Diagnose wird ausgewertet"
            text: "Controller- und Ladeergebnisse werden zusammengeführt."
            progress: view.model.evaluationProgress
            FadeIn on opacity {}
        }
    }
    Repeater {
        model: view.screen === "result" ? 1 : 0
        USBResultView {
            anchors.fill: parent
            model: view.model
            nextTitle: view.nextTitle
            nextSymbol: view.nextSymbol
            onNext: view.back()
            FadeIn on opacity {}
        }
    }
}
