pragma ComponentBehavior: Bound
import QtQuick
import Quarzlinde

// The controllers are known; the user is told what the port test will ask.
Item {
    id: view
    property string machineLabel
    property int expectedPortCount: 1
    property var notes: []

    signal startTests()

    Flickable {
        anchors.fill: parent
        contentHeight: Math.max(height, card.height + 80)
        clip: true

        ScreenCard {
            id: card
            x: (parent.width - width) / 2
            y: Math.max(40, (view.height - height) / 2)
            width: Math.min(view.width - 48, 620)
            height: column.implicitHeight + 64

            Column {
                id: column
                anchors.centerIn: parent
                width: parent.width - 64
                spacing: 14

                AnimatedSymbol {
                    anchors.horizontalCenter: parent.horizontalCenter
                    symbol: "cable.connector"
                }
                Text {
                    objectName: "usbPreparationTitle"
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                    width: parent.width
                    horizontalAlignment: Text.AlignHCenter
                    text: "USB-C Controller erkannt"
                    textFormat: Text.PlainText
                    color: Colors.text
                    font.pixelSize: 24
                    font.weight: Font.Bold
                }
                Text {
                    objectName: "usbPreparationLine"
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                    width: parent.width
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.WordWrap
                    text: view.machineLabel + " · " + view.expectedPortCount + " USB-C Anschluss"
                          + (view.expectedPortCount === 1 ? "" : "e") + " werden nacheinander geprüft."
                    textFormat: Text.PlainText
                    color: Colors.good
                    font.pixelSize: 16
                    font.weight: Font.DemiBold
                }
                Text {
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                    width: parent.width
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.WordWrap
                    text: "Für jeden Anschluss wirst du aufgefordert, das USB-C Ladekabel abzuziehen und anschließend am zu prüfenden Port anzuschließen."
                    textFormat: Text.PlainText
                    color: Colors.secondaryText
                    font.pixelSize: 15
                    lineHeight: 1.2
                }
                Row {
                    anchors.horizontalCenter: parent.horizontalCenter
                    spacing: 10
                    Battery111Pill { symbol: "bolt.fill"; text: "Ladekabel erforderlich" }
                    Battery111Pill { symbol: "lock.shield"; text: "Nur lokale Prüfung" }
                }
                Repeater {
                    model: view.notes
                    Text {
                        Accessible.role: Accessible.StaticText
                        Accessible.name: text
                        required property string modelData
                        objectName: "usbReportNote"
                        width: column.width
                        horizontalAlignment: Text.AlignHCenter
                        wrapMode: Text.WordWrap
                        text: modelData
                        textFormat: Text.PlainText
                        color: Colors.neutral
                        font.pixelSize: 13
                    }
                }
                Item { width: 1; height: 4 }
                ProminentButton {
                    objectName: "usbStartPortTests"
                    anchors.horizontalCenter: parent.horizontalCenter
                    title: "Anschlusstest starten"
                    leadingSymbol: "play.fill"
                    onClicked: view.startTests()
                }
            }
        }
    }
}
