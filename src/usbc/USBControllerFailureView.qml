import QtQuick
import Quarzlinde

// The scan found fewer port controllers than the Mac should have.
Item {
    id: view
    property url repairPage
    property string nextTitle
    property string nextSymbol

    signal next()

    ScreenCard {
        anchors.centerIn: parent
        width: Math.min(parent.width - 48, 580)
        height: column.implicitHeight + 64

        Column {
            id: column
            anchors.centerIn: parent
            width: parent.width - 64
            spacing: 14

            SymbolIcon {
                anchors.horizontalCenter: parent.horizontalCenter
                symbol: "exclamationmark.triangle.fill"
                size: 54
                color: Colors.problem
            }
            Text {
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: "USB-C CONTROLLER"
                textFormat: Text.PlainText
                color: Colors.problem
                font.pixelSize: 12
                font.weight: Font.Bold
                font.letterSpacing: 1.2
            }
            Text {
                objectName: "usbFailureTitle"
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: "Controller nicht vollständig erreichbar"
                textFormat: Text.PlainText
                color: Colors.text
                font.pixelSize: 24
                font.weight: Font.Bold
            }
            Text {
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: "Mindestens ein erwarteter USB-C Controllerdienst wird von macOS nicht bereitgestellt. Das kann auf einen Hardwarefehler hinweisen und sollte technisch geprüft werden."
                textFormat: Text.PlainText
                color: Colors.secondaryText
                font.pixelSize: 15
                lineHeight: 1.2
            }
            Item { width: 1; height: 4 }
            ProminentButton {
                objectName: "usbFailureRepairButton"
                anchors.horizontalCenter: parent.horizontalCenter
                title: "Diagnose / Reparatur bei Quarzlinde ansehen"
                trailingSymbol: "arrow.up.right"
                tint: Colors.problem
                onClicked: LinkOpener.open(view.repairPage)
            }
            SecondaryActionButton {
                objectName: "usbFailureNextButton"
                anchors.horizontalCenter: parent.horizontalCenter
                title: view.nextTitle
                symbol: view.nextSymbol
                onClicked: view.next()
            }
        }
    }
}
