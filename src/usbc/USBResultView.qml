pragma ComponentBehavior: Bound
import QtQuick
import Quarzlinde

// The ports' results: one summary, one card per port, and the repair page
// when a port stayed silent.
Item {
    id: view
    required property USBCheckViewModel model
    property string nextTitle
    property string nextSymbol

    signal next()

    readonly property bool anyFailed: model.failedCount > 0

    Flickable {
        id: scroller
        objectName: "usbResult"
        anchors.fill: parent
        contentHeight: column.implicitHeight + 64
        clip: true

        Column {
            id: column
            x: 32
            y: 32
            width: scroller.width - 64
            spacing: 20

            ResultHeader {
                width: parent.width
                title: "USB-C Check abgeschlossen"
                subtitle: view.model.machineLabel
                onBack: view.next()
            }
            Battery111VerdictCard {
                objectName: "usbSummaryCard"
                width: parent.width
                eyebrow: "USB-C ANSCHLÜSSE"
                title: view.anyFailed ? "Mindestens ein Anschluss auffällig" : "Alle geprüften Anschlüsse reagieren"
                text: view.anyFailed
                      ? "Bei mindestens einem USB-C Anschluss wurde innerhalb des Prüfzeitraums kein Ladevorgang erkannt."
                      : "An allen geprüften Anschlüssen wurde USB-C Stromversorgung erkannt."
                symbol: view.anyFailed ? "exclamationmark.triangle.fill" : "checkmark.circle.fill"
                tint: view.anyFailed ? Colors.problem : Colors.good
            }
            Flow {
                width: parent.width
                spacing: 14
                Repeater {
                    model: view.model.portResults
                    USBPortResultCard {
                        required property usbPortTestResult modelData
                        width: (column.width - 14) / 2
                        result: modelData
                    }
                }
            }
            ProminentButton {
                objectName: "usbRepairButton"
                visible: view.anyFailed
                title: "Passende USB-C Reparatur ansehen"
                leadingSymbol: "wrench.and.screwdriver"
                trailingSymbol: "arrow.up.right"
                onClicked: LinkOpener.open(view.model.repairPage)
            }
        }
    }
}
