import QtQuick
import Quarzlinde

// One port at a time: what to do with the cable now, the countdown while
// waiting for it, and the ways on after a wrong port or a timeout.
Item {
    id: view
    required property USBCheckViewModel model
    property string nextTitle
    property string nextSymbol

    signal next()

    readonly property string status: model.portTestStatusName
    readonly property var statusTexts: ({
        waitingForDisconnect: ["Ladekabel zuerst trennen", "Ziehe das Ladekabel vollständig vom MacBook ab. Sobald keine externe Stromversorgung mehr erkannt wird, beginnt die Messung."],
        ready: ["Bereit für den nächsten Anschluss", "Schließe das USB-C Ladekabel jetzt ausschließlich an dem Anschluss an, den du als Nächstes prüfen möchtest."],
        waitingForConnection: ["Ladekabel jetzt anschließen", "Schließe das USB-C Ladekabel jetzt ausschließlich an dem Anschluss an, den du als Nächstes prüfen möchtest."],
        checking: ["Anschluss wird überprüft …", "Stromversorgung und USB-C Controllerzuordnung werden geprüft. Bitte das Kabel einen Moment angeschlossen lassen."],
        alreadyTested: ["Dieser Anschluss wurde bereits geprüft", "Dieser Anschluss wurde bereits erkannt. Ziehe das Kabel wieder ab und verwende einen anderen USB-C Anschluss."],
        wrongPowerSource: ["Strom erkannt, aber nicht an einem USB-C Anschluss", "Es wurde Strom erkannt, aber die App konnte ihn keinem noch ungeprüften USB-C Anschluss zuordnen. Bitte Kabel abziehen und einen anderen Port verwenden."],
        timedOut: ["Kein Ladevorgang erkannt", "Innerhalb des Prüfzeitraums wurde kein Ladevorgang erkannt. Wiederhole den Test oder markiere den Anschluss als auffällig."],
        success: ["Anschluss erfolgreich geprüft", "USB-C Power Delivery wurde erkannt. Der nächste Anschluss wird automatisch vorbereitet."]
    })
    readonly property var shownTexts: statusTexts[status] || ["", ""]
    readonly property string statusSymbol: {
        switch (status) {
        case "success": return "checkmark.circle.fill"
        case "timedOut": return "exclamationmark.triangle.fill"
        case "alreadyTested":
        case "wrongPowerSource": return "exclamationmark.circle.fill"
        default: return "cable.connector"
        }
    }
    readonly property color statusTint: {
        switch (status) {
        case "success": return Colors.good
        case "timedOut": return Colors.problem
        case "alreadyTested":
        case "wrongPowerSource": return Colors.warning
        default: return Colors.good
        }
    }

    ScreenCard {
        anchors.centerIn: parent
        width: Math.min(parent.width - 48, 600)
        height: column.implicitHeight + 64

        Column {
            id: column
            anchors.centerIn: parent
            width: parent.width - 64
            spacing: 14

            Text {
                objectName: "usbPortHeading"
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: "USB-C Anschluss " + view.model.nextOrdinal + " von " + view.model.expectedPortCount
                textFormat: Text.PlainText
                color: Colors.good
                font.pixelSize: 13
                font.weight: Font.Bold
                font.letterSpacing: 1.0
            }
            AnimatedSymbol {
                anchors.horizontalCenter: parent.horizontalCenter
                symbol: view.statusSymbol
                tint: view.statusTint
                pulse: view.status === "waitingForConnection" || view.status === "checking"
            }
            Text {
                objectName: "usbPortTitle"
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: view.shownTexts[0]
                textFormat: Text.PlainText
                color: Colors.text
                font.pixelSize: 24
                font.weight: Font.Bold
            }
            Text {
                objectName: "usbPortInstruction"
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: view.shownTexts[1]
                textFormat: Text.PlainText
                color: Colors.secondaryText
                font.pixelSize: 15
                lineHeight: 1.2
            }
            Text {
                objectName: "usbCountdown"
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                visible: view.status === "waitingForConnection"
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: view.model.secondsRemaining + " s"
                textFormat: Text.PlainText
                color: Colors.text
                font.family: "monospace"
                font.pixelSize: 28
                font.bold: true
            }
            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 12
                SecondaryActionButton {
                    objectName: "usbOtherPortButton"
                    visible: view.status === "alreadyTested" || view.status === "wrongPowerSource"
                    title: "Anderen Anschluss prüfen"
                    symbol: "arrow.counterclockwise"
                    onClicked: view.model.beginPortTest()
                }
                SecondaryActionButton {
                    objectName: "usbRetryButton"
                    visible: view.status === "timedOut"
                    title: "Erneut versuchen"
                    symbol: "arrow.counterclockwise"
                    onClicked: view.model.beginPortTest()
                }
                ProminentButton {
                    objectName: "usbMarkDefectiveButton"
                    visible: view.status === "timedOut"
                    title: "Anschluss als defekt markieren"
                    leadingSymbol: "exclamationmark.triangle"
                    tint: Colors.problem
                    onClicked: view.model.markPortDefective()
                }
            }
        }
    }
    SecondaryActionButton {
        objectName: "usbPortTestingNextButton"
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.margins: 24
        title: view.nextTitle
        symbol: view.nextSymbol
        onClicked: view.next()
    }
}
