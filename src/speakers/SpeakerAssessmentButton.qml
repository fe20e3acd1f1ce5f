import QtQuick
import QtQuick.Controls
import Quarzlinde

// One answer for the speaker just heard, in the answer's colour.
Button {
    id: button
    property string title
    property string symbol
    property color tint: Colors.neutral

    Accessible.name: title
    hoverEnabled: true
    focusPolicy: Qt.StrongFocus
    Keys.onReturnPressed: button.clicked()
    Keys.onEnterPressed: button.clicked()
    padding: 14

    contentItem: Column {
        spacing: 8
        SymbolIcon {
            anchors.horizontalCenter: parent.horizontalCenter
            symbol: button.symbol
            size: 30
            color: button.tint
        }
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: button.title
            textFormat: Text.PlainText
            color: button.tint
            font.pixelSize: 14
            font.weight: Font.DemiBold
        }
    }
    background: Rectangle {
        radius: 14
        color: Qt.rgba(button.tint.r, button.tint.g, button.tint.b, button.down ? 0.2 : button.hovered ? 0.14 : 0.09)
        border.color: Qt.rgba(button.tint.r, button.tint.g, button.tint.b, 0.35)
        FocusRing { shown: button.visualFocus; innerRadius: 14 }
    }
}
