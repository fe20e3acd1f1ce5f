import QtQuick
import QtQuick.Controls

// One answer the user gives to a guided check.
// (An Item, since a Button's own "action" property is final.)
Item {
    id: root
    property string title
    property string symbol
    property color tint: Colors.good
    property var action
    // The answer the user gave; it stays marked while it can still change.
    property bool chosen: false

    implicitWidth: button.implicitWidth
    implicitHeight: button.implicitHeight

    Button {
        id: button
        anchors.fill: parent
        Accessible.name: root.title
        Accessible.description: root.chosen ? "Ausgewählt" : ""
        hoverEnabled: true
        focusPolicy: Qt.StrongFocus
        Keys.onReturnPressed: root.action.call(null)
        Keys.onEnterPressed: root.action.call(null)
        leftPadding: 18
        rightPadding: 18
        topPadding: 12
        bottomPadding: 12
        onClicked: root.action.call(null)

        contentItem: Row {
            spacing: 8
            SymbolIcon {
                symbol: root.symbol
                size: 18
                color: root.tint
                anchors.verticalCenter: parent.verticalCenter
            }
            Text {
                text: root.title
                textFormat: Text.PlainText
                color: root.tint
                font.pixelSize: 15
                font.weight: Font.DemiBold
                anchors.verticalCenter: parent.verticalCenter
            }
        }
        background: Rectangle {
            radius: 12
            color: Qt.rgba(root.tint.r, root.tint.g, root.tint.b,
                           root.chosen || button.down ? 0.2 : button.hovered ? 0.14 : 0.08)
            border.color: Qt.rgba(root.tint.r, root.tint.g, root.tint.b, root.chosen ? 1 : 0.45)
            border.width: root.chosen ? 2 : 1
            FocusRing { shown: button.visualFocus }
        }
    }
}
