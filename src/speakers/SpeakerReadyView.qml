import QtQuick
import Quarzlinde

// The speaker check's start screen.
Item {
    id: view
    // A start screen is at rest until someone touches it.
    property bool animated: DecorPacer.active

    signal startClicked()

    Column {
        anchors.centerIn: parent
        width: Math.min(parent.width - 48, 580)
        spacing: 14

        AnimatedSymbol {
            anchors.horizontalCenter: parent.horizontalCenter
            symbol: "speaker.wave.2"
            pulse: view.animated
            rotate: view.animated
        }
        Text {
            objectName: "speakerReadyTitle"
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            text: "Lautsprecher Check"
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
            text: "Rechter und linker MacBook Lautsprecher werden nacheinander mit verschiedenen Frequenzen, Lautstärken und Klangmustern geprüft."
            textFormat: Text.PlainText
            color: Colors.secondaryText
            font.pixelSize: 15
            lineHeight: 1.2
        }
        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 10
            Battery111Pill { symbol: "speaker.wave.2"; text: "Stereo-Kanäle" }
            Battery111Pill { symbol: "waveform"; text: "Mehrere Frequenzen" }
            Battery111Pill { symbol: "ear"; text: "Kundenbewertung" }
        }
        Text {
            objectName: "speakerReadyHint"
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: "Bitte interne MacBook Lautsprecher auswählen und für den Test eine möglichst ruhige Umgebung verwenden."
            textFormat: Text.PlainText
            color: Colors.neutral
            font.pixelSize: 13
        }
        Item { width: 1; height: 6 }
        ProminentButton {
            objectName: "speakerStartButton"
            anchors.horizontalCenter: parent.horizontalCenter
            title: "Lautsprechertest starten"
            leadingSymbol: "play.fill"
            onClicked: view.startClicked()
        }
    }
}
