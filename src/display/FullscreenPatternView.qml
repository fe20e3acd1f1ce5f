import QtQuick
import Quarzlinde

// The enlarged test image with its way out in the top trailing corner.
Item {
    id: view
    property var pattern: []
    // Closes the window, a function.
    property var close

    PatternFill {
        anchors.fill: parent
        fill: view.pattern
    }
    Column {
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.margins: 20
        spacing: 8
        QLPrimaryButton {
            objectName: "closePatternButton"
            anchors.right: parent.right
            title: "Testbild schließen"
            symbol: "xmark"
            action: view.close
        }
        Text {
            objectName: "closePatternCaption"
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            anchors.right: parent.right
            text: "Esc schließt das Testbild ebenfalls."
            textFormat: Text.PlainText
            color: Qt.rgba(1, 1, 1, 0.72)
            style: Text.Raised
            styleColor: Qt.rgba(0, 0, 0, 0.35)
            font.pixelSize: 12
        }
    }
}
