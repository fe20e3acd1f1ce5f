import QtQuick
import Quarzlinde

// A module's start screen.
Item {
    id: view
    property string eyebrow
    property string title
    property string text
    property string symbol
    property string buttonTitle
    // A start screen is at rest until someone touches it.
    property bool pulse: DecorPacer.active
    property bool rotate: DecorPacer.active

    signal buttonClicked()

    Column {
        anchors.centerIn: parent
        width: Math.min(parent.width - 48, 560)
        spacing: 14

        AnimatedSymbol {
            anchors.horizontalCenter: parent.horizontalCenter
            symbol: view.symbol
            pulse: view.pulse
            rotate: view.rotate
        }
        Text {
            objectName: "readyEyebrow"
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            text: view.eyebrow
            textFormat: Text.PlainText
            color: Colors.good
            font.pixelSize: 12
            font.weight: Font.Bold
            font.letterSpacing: 1.2
        }
        Text {
            objectName: "readyTitle"
            Accessible.role: Accessible.Heading
            Accessible.name: text
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: view.title
            textFormat: Text.PlainText
            color: Colors.text
            font.pixelSize: 26
            font.weight: Font.Bold
        }
        Text {
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: view.text
            textFormat: Text.PlainText
            color: Colors.secondaryText
            font.pixelSize: 15
            lineHeight: 1.2
        }
        Item { width: 1; height: 6 }
        ProminentButton {
            objectName: "readyStartButton"
            anchors.horizontalCenter: parent.horizontalCenter
            title: view.buttonTitle
            leadingSymbol: "play.fill"
            onClicked: view.buttonClicked()
        }
    }
}
