import QtQuick
import Quarzlinde

// A check that could not finish: its sentence, the way back and a retry.
Item {
    id: view
    property string message

    signal retry()
    signal back()

    ScreenCard {
        anchors.centerIn: parent
        width: Math.min(parent.width - 48, 560)
        height: column.implicitHeight + 64

        Column {
            id: column
            anchors.centerIn: parent
            width: parent.width - 64
            spacing: 16

            SymbolIcon {
                anchors.horizontalCenter: parent.horizontalCenter
                symbol: "exclamationmark.triangle.fill"
                size: 54
                color: Colors.warning
            }
            Text {
                objectName: "errorHeading"
                Accessible.role: Accessible.Heading
                Accessible.name: text
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: "Diagnose nicht abgeschlossen"
                color: Colors.text
                font.pixelSize: 24
                font.weight: Font.Bold
            }
            Text {
                id: messageText
                objectName: "errorMessage"
                // Read out when it appears.
                Accessible.role: Announcer.role
                Accessible.name: text
                Component.onCompleted: Announcer.announce(messageText)
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: view.message
                textFormat: Text.PlainText
                color: Colors.secondaryText
                font.pixelSize: 15
                lineHeight: 1.2
            }
            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 12
                SecondaryActionButton {
                    objectName: "errorBackButton"
                    title: "Zurück"
                    symbol: "chevron.left"
                    onClicked: view.back()
                }
                ProminentButton {
                    objectName: "errorRetryButton"
                    title: "Erneut prüfen"
                    leadingSymbol: "arrow.counterclockwise"
                    onClicked: view.retry()
                }
            }
        }
    }
}
