import QtQuick
import Quarzlinde
import QtQuick.Controls

// A line of the legal sheet that opens an address in its default handler.
AbstractButton {
    id: row
    property string symbol
    property string title
    property url address

    Accessible.name: title
    Accessible.role: Accessible.Link
    hoverEnabled: true
    focusPolicy: Qt.StrongFocus
    Keys.onReturnPressed: row.clicked()
    Keys.onEnterPressed: row.clicked()
    padding: 4
    onClicked: LinkOpener.open(address)

    contentItem: Row {
        spacing: 8
        SymbolIcon {
            symbol: row.symbol
            size: 17
            color: Colors.systemBlue
            anchors.verticalCenter: parent.verticalCenter
        }
        Text {
            text: row.title
            textFormat: Text.PlainText
            color: Colors.systemBlue
            font.pixelSize: 13
            font.underline: row.hovered
            anchors.verticalCenter: parent.verticalCenter
        }
    }
    background: Item {
        FocusRing { shown: row.visualFocus; innerRadius: 6 }
    }
}
