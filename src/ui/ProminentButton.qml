import QtQuick
import QtQuick.Controls

// A filled button with a leading and an optional trailing symbol.
Button {
    id: button
    property string title
    property string leadingSymbol
    property string trailingSymbol
    property color tint: Colors.good

    Accessible.name: title
    hoverEnabled: true
    // Reachable by Tab everywhere, also where the platform would skip buttons.
    focusPolicy: Qt.StrongFocus
    Keys.onReturnPressed: button.clicked()
    Keys.onEnterPressed: button.clicked()
    leftPadding: 20
    rightPadding: 20
    topPadding: 12
    bottomPadding: 12

    contentItem: Row {
        spacing: 9
        SymbolIcon {
            visible: button.leadingSymbol !== ""
            symbol: button.leadingSymbol
            size: 18
            color: "white"
            anchors.verticalCenter: parent.verticalCenter
        }
        Text {
            text: button.title
            textFormat: Text.PlainText
            color: "white"
            font.pixelSize: 15
            font.weight: Font.DemiBold
            anchors.verticalCenter: parent.verticalCenter
        }
        SymbolIcon {
            visible: button.trailingSymbol !== ""
            symbol: button.trailingSymbol
            size: 18
            color: "white"
            anchors.verticalCenter: parent.verticalCenter
        }
    }
    background: Rectangle {
        radius: 12
        color: button.down ? Qt.darker(button.tint, 1.2) : button.hovered ? Qt.lighter(button.tint, 1.12) : button.tint
        FocusRing { shown: button.visualFocus }
    }
}
