import QtQuick
import QtQuick.Controls

// A plain bordered button for the way back or a retry.
// (An Item, since a Button's own "action" property is final.)
Item {
    id: root
    property string title
    property string symbol
    // What pressing it does, where the title alone does not say.
    property string accessibleDescription

    signal clicked()

    implicitWidth: button.implicitWidth
    implicitHeight: button.implicitHeight

    Button {
        id: button
        anchors.fill: parent
        Accessible.name: root.title
        Accessible.description: root.accessibleDescription
        hoverEnabled: true
        focusPolicy: Qt.StrongFocus
        Keys.onReturnPressed: root.clicked()
        Keys.onEnterPressed: root.clicked()
        leftPadding: 18
        rightPadding: 18
        topPadding: 11
        bottomPadding: 11
        onClicked: root.clicked()

        contentItem: Row {
            spacing: 8
            SymbolIcon {
                visible: root.symbol !== ""
                symbol: root.symbol
                size: 17
                color: Colors.text
                anchors.verticalCenter: parent.verticalCenter
            }
            Text {
                text: root.title
                textFormat: Text.PlainText
                color: Colors.text
                font.pixelSize: 15
                font.weight: Font.Medium
                anchors.verticalCenter: parent.verticalCenter
            }
        }
        background: Rectangle {
            radius: 12
            color: button.down ? "#e4ebe6" : button.hovered ? "#eef3ef" : Colors.card
            border.color: Colors.cardBorder
            FocusRing { shown: button.visualFocus }
        }
    }
}
