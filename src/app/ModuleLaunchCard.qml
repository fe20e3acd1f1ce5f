import QtQuick
import QtQuick.Controls

// A module in the catalogue; pressing it starts the module.
AbstractButton {
    id: card
    property string symbol
    property string eyebrow
    property string title
    property string subtitle

    Accessible.name: title
    Accessible.description: eyebrow + ", " + subtitle
    hoverEnabled: true
    focusPolicy: Qt.StrongFocus
    Keys.onReturnPressed: card.clicked()
    Keys.onEnterPressed: card.clicked()
    implicitHeight: 88

    // A plain child rather than the deferred contentItem, which cannot hold ids.
    Item {
        anchors.fill: parent
        Rectangle {
            id: symbolTile
            anchors.left: parent.left
            anchors.leftMargin: 16
            anchors.verticalCenter: parent.verticalCenter
            width: 50
            height: 50
            radius: 14
            color: card.hovered ? Colors.good : "#e6f0e9"
            Behavior on color { ColorAnimation { duration: 160; easing.type: Easing.OutQuad } }
            SymbolIcon {
                anchors.centerIn: parent
                symbol: card.symbol
                size: 28
                color: card.hovered ? "white" : Colors.good
            }
        }
        Column {
            id: texts
            anchors.left: symbolTile.right
            anchors.leftMargin: 14
            anchors.right: playMark.left
            anchors.rightMargin: 10
            anchors.verticalCenter: parent.verticalCenter
            spacing: 3
            Text {
                text: card.eyebrow
                textFormat: Text.PlainText
                color: Colors.good
                font.pixelSize: 11
                font.weight: Font.Bold
                font.letterSpacing: 1.1
            }
            Text {
                objectName: "cardTitle"
                width: parent.width
                elide: Text.ElideRight
                text: card.title
                textFormat: Text.PlainText
                color: Colors.text
                font.pixelSize: 17
                font.weight: Font.DemiBold
            }
            Text {
                width: parent.width
                wrapMode: Text.WordWrap
                maximumLineCount: 2
                elide: Text.ElideRight
                text: card.subtitle
                textFormat: Text.PlainText
                color: Colors.secondaryText
                font.pixelSize: 13
            }
        }
        SymbolIcon {
            id: playMark
            anchors.right: parent.right
            anchors.rightMargin: 16
            anchors.verticalCenter: parent.verticalCenter
            symbol: "play.fill"
            size: 22
            color: card.hovered ? Colors.good : Colors.cardBorder
            Behavior on color { ColorAnimation { duration: 160; easing.type: Easing.OutQuad } }
        }
    }
    background: Rectangle {
        radius: 16
        color: card.hovered ? "#f7fbf8" : Colors.card
        border.color: card.hovered ? Colors.good : Colors.cardBorder
        border.width: card.hovered ? 1.5 : 1
        Behavior on border.color { ColorAnimation { duration: 160; easing.type: Easing.OutQuad } }
        FocusRing { shown: card.visualFocus; innerRadius: 16 }
    }
}
