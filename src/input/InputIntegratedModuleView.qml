import QtQuick
import Quarzlinde

// The keyboard and trackpad test in the frame of the smaller modules.
Item {
    id: view
    required property InputDiagnosticViewModel model
    // The shell's way out of the module, a function.
    required property var backAction

    AdditionalModuleFrame {
        id: frame
        anchors.fill: parent
        model: view.model
        backAction: view.backAction
        hasResult: view.model.hasResult

        eyebrow: "EINGABE CHECK"
        title: "Tastatur & Trackpad prüfen"
        subtitle: "Die Tastatur wird im deutschen QWERTZ-Layout dargestellt. Beim Trackpad zeigt dir die Animation Schritt für Schritt, welche Geste als Nächstes ausgeführt werden soll."
        symbol: "keyboard"
        startTitle: "Tastatur & Trackpad testen"

        runningContent: [
            QLDiagnosticHeader {
                width: parent.width
                eyebrow: "TEST LÄUFT"
                title: "Tastatur & Trackpad prüfen"
                subtitle: "Drücke die dargestellten Tasten. Im Trackpad-Feld darunter wird automatisch die nächste noch fehlende Aktion angezeigt."
            },
            KeyboardProgressGrid {
                objectName: "keyboardGrid"
                width: parent.width
                model: view.model
                // The widest row holds 16 units and 14 gaps.
                unit: (width - 36 + 4) / 16
            },
            ScreenCard {
                width: parent.width
                height: trackpadColumn.implicitHeight + 36
                Column {
                    id: trackpadColumn
                    anchors.left: parent.left
                    anchors.right: parent.right
                    anchors.top: parent.top
                    anchors.margins: 18
                    spacing: 10
                    Text {
                        Accessible.role: Accessible.StaticText
                        Accessible.name: text
                        text: "Trackpad"
                        textFormat: Text.PlainText
                        color: Colors.text
                        font.pixelSize: 14
                        font.weight: Font.DemiBold
                    }
                    InputCaptureArea {
                        objectName: "inputCaptureArea"
                        anchors.horizontalCenter: parent.horizontalCenter
                        width: Math.min(parent.width, 780)
                        height: 200
                        model: view.model
                        Accessible.role: Accessible.Pane
                        Accessible.name: "Trackpad-Feld"

                        Rectangle {
                            anchors.fill: parent
                            radius: 18
                            color: Qt.rgba(1, 1, 1, 0.78)
                            border.width: 1
                            border.color: Qt.rgba(39 / 255, 122 / 255, 0, 0.16)
                        }
                        TrackpadInstructionOverlay {
                            anchors.centerIn: parent
                            step: view.model.trackpadStep
                            completed: view.model.trackpadCompleted
                            title: view.model.trackpadStepTitle
                            instruction: view.model.trackpadStepInstruction
                        }
                    }
                }
            },
            QLPrimaryButton {
                objectName: "finishInputButton"
                anchors.horizontalCenter: parent.horizontalCenter
                title: "Test auswerten"
                symbol: "checkmark"
                action: () => view.model.finish()
            }
        ]

        resultTitle: "Tastatur & Trackpad"
        resultSubtitle: "Nicht bestätigte Punkte sollten noch einmal bewusst getestet werden, bevor du von einem Defekt ausgehst."
        verdict: view.model.result.verdict
        verdictTitle: view.model.result.title
        verdictText: view.model.result.text
        details: view.model.result.details
        resultContent: Row {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 12
            LinkButton {
                objectName: "keyboardRepairLink"
                visible: view.model.result.offersKeyboardRepair
                title: "Tastatur Reparatur"
                url: view.model.result.keyboardRepairPage
            }
            LinkButton {
                objectName: "trackpadRepairLink"
                visible: view.model.result.offersTrackpadRepair
                title: "TrackPad Reparatur"
                url: view.model.result.trackpadRepairPage
            }
        }
    }
}
