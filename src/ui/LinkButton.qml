import QtQuick
import QtQuick.Controls
import Quarzlinde

// Opens a page of the workshop's site in the browser; changes nothing here.
Button {
    id: button
    property string title
    property url url

    Accessible.name: title
    Accessible.description: "Öffnet die Seite im Browser"
    hoverEnabled: true
    focusPolicy: Qt.StrongFocus
    Keys.onReturnPressed: button.clicked()
    Keys.onEnterPressed: button.clicked()
    leftPadding: 16
    rightPadding: 16
    topPadding: 10
    bottomPadding: 10
    onClicked: LinkOpener.open(button.url)

    contentItem: Row {
        spacing: 7
        Text {
            text: button.title
            textFormat: Text.PlainText
            color: Colors.good
            font.pixelSize: 15
            font.weight: Font.DemiBold
            anchors.verticalCenter: parent.verticalCenter
        }
        SymbolIcon {
            symbol: "arrow.up.right"
            size: 16
            color: Colors.good
            anchors.verticalCenter: parent.verticalCenter
        }
    }
    background: Rectangle {
        radius: 12
        color: button.down ? "#dcebe1" : button.hovered ? "#e8f1eb" : "transparent"
        border.color: Qt.rgba(Colors.good.r, Colors.good.g, Colors.good.b, 0.35)
        FocusRing { shown: button.visualFocus }
    }
}
